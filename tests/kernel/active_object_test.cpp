#include "kernel/active_object.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/interrupt.h"
#include "tests/support/test_host.h"

namespace {

struct Delivery {
  AoNumber object;
  Signal sig;
  uint32_t par;
};
std::vector<Delivery> deliveries;

template <AoNumber N>
StateResult Probe(Hsm* me, const Event* e) {
  if (e->sig == SIG_EMPTY || e->sig == SIG_NONE) return &HSM_Top;
  if (e->sig <= SIG_EXIT_ALL) return nullptr;
  deliveries.push_back({N, e->sig, e->par});
  // Object 5 posts to itself once while being dispatched.
  if (N == AO_DIS && e->sig == 60) AO_Post(AO_DIS, 61, 0);
  (void)me;
  return nullptr;
}

class ActiveObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    deliveries.clear();
    IRQ_InitLocks();
    for (AoNumber n = 0; n < kActiveObjectCount; ++n) AO_Init(n);
    AO_ClearReady();
    AO_Start(AO_BED, &Probe<AO_BED>, 0);
    AO_Start(AO_DIS, &Probe<AO_DIS>, 0);
  }
  TestHost host;
};

TEST_F(ActiveObjectTest, SeventeenthPostIsLostAndHighWaterMarkIsCapacity) {
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(AO_Post(AO_BED, 50, i));
  EXPECT_FALSE(AO_Post(AO_BED, 50, 16));
  EXPECT_EQ(AO_GetMaxFill(AO_BED), 16);
  EXPECT_EQ(AO_GetQueueSize(AO_BED), 16);
  AO_Run();
  ASSERT_EQ(deliveries.size(), 16u);
  for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(deliveries[i].par, i);  // FIFO
}

TEST_F(ActiveObjectTest, HigherObjectIsServedFirstIncludingWhatItPostsMeanwhile) {
  AO_Post(AO_BED, 70, 0);
  AO_Post(AO_DIS, 60, 0);
  AO_Post(AO_BED, 71, 0);
  AO_Run();
  ASSERT_EQ(deliveries.size(), 4u);
  EXPECT_EQ(deliveries[0].sig, 60);
  EXPECT_EQ(deliveries[1].sig, 61);
  EXPECT_EQ(deliveries[2].sig, 70);
  EXPECT_EQ(deliveries[3].sig, 71);
}

TEST_F(ActiveObjectTest, PurgedEventsStayQueuedAndArriveAsSignalZero) {
  AO_Post(AO_BED, 20, 1);
  AO_Post(AO_BED, 50, 2);
  AO_Post(AO_BED, 84, 3);
  AO_Post(AO_BED, 85, 4);
  AO_PurgeRange(AO_BED, 14, 84);
  EXPECT_EQ(AO_GetFill(AO_BED), 4);
  AO_Run();
  ASSERT_EQ(deliveries.size(), 1u);  // signal 0 is passed up and swallowed by the top state
  EXPECT_EQ(deliveries[0].sig, 85);
}

TEST_F(ActiveObjectTest, RingWrapsAtSixteenSlots) {
  // Move the indices near the end of the ring, then fill it across the wrap.
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 11; ++i) AO_Post(AO_BED, 50, i);
    AO_Purge(AO_BED, 50);
    AO_Run();
  }
  for (uint32_t i = 0; i < 16; ++i) ASSERT_TRUE(AO_Post(AO_BED, 51, i));
  AO_Purge(AO_BED, 51);  // walks all sixteen slots across the wrap
  EXPECT_EQ(AO_GetFill(AO_BED), 16);
  AO_Run();
  EXPECT_TRUE(deliveries.empty());
}

}  // namespace
