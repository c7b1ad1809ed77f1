// Supervision: 30 s without a frame resets the link; the second reset in a
// row restarts the unit with reason 32.
#include <gtest/gtest.h>

#include "data/dis_frame.h"
#include "data/dis_link_control.h"
#include "kernel/active_object.h"
#include "kernel/timer_task.h"
#include "platform/interrupt.h"
#include "tests/data/link/link_harness.h"

namespace {

class Supervision : public ::testing::Test {
 protected:
  // Lets `ticks` 100 ms ticks pass, supervising every 11 ticks as the unit does.
  void pass(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      IRQ_RunRoutine([] { DTM_Tick100ms(); });
      if (DTM_GetTicks100ms() % 11 == 0) DIS_Supervise();
      link.deliver();
    }
  }
  size_t restarts() { return link.posted(AO_BED, SIG_BED_ERROR_RESET).size(); }

  LinkHarness link;
};

TEST_F(Supervision, SilenceIsIgnoredUntilTheFirstFrame) {
  pass(1000);
  EXPECT_EQ(DIS_GetErrorCount(), 0);
  EXPECT_EQ(restarts(), 0u);
}

TEST_F(Supervision, SecondSilenceInARowRestartsWithReason32) {
  link.receive(LinkHarness::writeFrame(24, {0, 0}));
  // The frame is noticed at the next supervision, at most 11 ticks later.
  pass(300);
  EXPECT_EQ(DIS_GetErrorCount(), 0);
  pass(23);
  EXPECT_EQ(DIS_GetErrorCount(), 1);
  EXPECT_EQ(restarts(), 0u);
  pass(312);
  EXPECT_EQ(DIS_GetErrorCount(), 2);
  const auto posted = link.posted(AO_BED, SIG_BED_ERROR_RESET);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].par, 32u);
}

TEST_F(Supervision, AFrameBetweenTwoSilencesStartsCountingAfresh) {
  link.receive(LinkHarness::writeFrame(24, {0, 0}));
  pass(320);
  EXPECT_EQ(DIS_GetErrorCount(), 1);
  link.receive(LinkHarness::writeFrame(24, {0, 0}));
  pass(320);
  EXPECT_EQ(DIS_GetErrorCount(), 1);
  EXPECT_EQ(restarts(), 0u);
}

TEST_F(Supervision, StopEndsTheSupervision) {
  link.receive(LinkHarness::writeFrame(24, {0, 0}));
  DIS_StopLink();
  pass(1000);
  EXPECT_EQ(DIS_GetErrorCount(), 0);
}

}  // namespace
