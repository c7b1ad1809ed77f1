#include "kernel/hsm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_host.h"

// A small machine:   Top > A > B > C,   A > D.   D has no exit action.
namespace {

std::vector<std::string> actions;

void record(const char* state, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      actions.push_back(std::string(state) + "-entry");
      break;
    case SIG_EXIT:
      actions.push_back(std::string(state) + "-exit");
      break;
    case SIG_INIT:
      actions.push_back(std::string(state) + "-init(" + std::to_string(e->par) + ")");
      break;
    default:
      break;
  }
}

constexpr Signal SIG_TO_A_REINIT = 50;
constexpr Signal SIG_REENTER_C = 51;
constexpr Signal SIG_TO_D = 52;
constexpr Signal SIG_HANDLED_BY_A = 53;
constexpr Signal SIG_NOBODY = 54;
int handledByA = 0;
int parentQueriesOfD = 0;

StateResult A(Hsm* me, const Event* e);
StateResult B(Hsm* me, const Event* e);
StateResult C(Hsm* me, const Event* e);
StateResult D(Hsm* me, const Event* e);

StateResult A(Hsm* me, const Event* e) {
  record("A", e);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      if (e->par == 0) HSM_InitTran(me, &B);
      return nullptr;
    case SIG_TO_A_REINIT:
      HSM_Tran(me, &A, &A, 7);
      return nullptr;
    case SIG_TO_D:
      HSM_Tran(me, &A, &D);
      return nullptr;
    case SIG_HANDLED_BY_A:
      ++handledByA;
      return nullptr;
    default:
      return &HSM_Top;
  }
}

StateResult B(Hsm* me, const Event* e) {
  record("B", e);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      HSM_InitTran(me, &C);
      return nullptr;
    default:
      return &A;
  }
}

StateResult C(Hsm* me, const Event* e) {
  record("C", e);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
    case SIG_INIT:
      return nullptr;
    case SIG_REENTER_C:
      HSM_Tran(me, &B, &C, 9);
      return nullptr;
    default:
      return &B;
  }
}

// No exit action: answers SIG_EXIT with its parent.
StateResult D(Hsm* me, const Event* e) {
  record("D", e);
  if (e->sig == SIG_EMPTY) ++parentQueriesOfD;
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_INIT:
      return nullptr;
    case SIG_TO_A_REINIT:
      HSM_Tran(me, &A, &A, 8);
      return nullptr;
    default:
      return &A;
  }
}

class HsmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    actions.clear();
    handledByA = 0;
    parentQueriesOfD = 0;
    HSM_Ctor(&machine);
    HSM_InitTran(&machine, &A);
  }
  void send(Signal sig) {
    actions.clear();
    HSM_Send(&machine, sig);
  }
  TestHost host;
  Hsm machine{};
};

using Actions = std::vector<std::string>;

TEST_F(HsmTest, FirstTransitionEntersOutermostFirstDownToTheLeaf) {
  EXPECT_EQ(actions, (Actions{"A-entry", "A-init(0)", "B-entry", "B-init(0)", "C-entry", "C-init(0)"}));
  EXPECT_EQ(machine.state, &C);
}

TEST_F(HsmTest, UnhandledEventPassesEveryStateAndIsSwallowedByTop) {
  send(SIG_NOBODY);
  EXPECT_TRUE(actions.empty());
  EXPECT_EQ(machine.state, &C);
  send(SIG_HANDLED_BY_A);
  EXPECT_EQ(handledByA, 1);
}

TEST_F(HsmTest, AncestorEqualToTargetExitsBelowAndInitialisesAgain) {
  send(SIG_TO_A_REINIT);
  EXPECT_EQ(actions, (Actions{"C-exit", "B-exit", "A-init(7)"}));
  EXPECT_EQ(machine.state, &A);
}

TEST_F(HsmTest, ParentAsAncestorReentersTheState) {
  send(SIG_REENTER_C);
  EXPECT_EQ(actions, (Actions{"C-exit", "C-entry", "C-init(9)"}));
  EXPECT_EQ(machine.state, &C);
}

TEST_F(HsmTest, StateWithoutExitActionIsPassedOverOnce) {
  send(SIG_TO_D);
  EXPECT_EQ(actions, (Actions{"C-exit", "B-exit", "D-entry", "D-init(0)"}));
  parentQueriesOfD = 0;
  send(SIG_TO_A_REINIT);  // D answers SIG_EXIT with its parent: no second query
  EXPECT_EQ(actions, (Actions{"D-exit", "A-init(8)"}));
  EXPECT_EQ(parentQueriesOfD, 0);
  EXPECT_EQ(machine.source, &D);
}

TEST_F(HsmTest, ExitAllLeavesEveryState) {
  send(SIG_EXIT_ALL);
  EXPECT_EQ(actions, (Actions{"C-exit", "B-exit", "A-exit"}));
}

}  // namespace
