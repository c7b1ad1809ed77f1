#include "kernel/timer_task.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "kernel/active_object.h"
#include "platform/cpu_timer.h"
#include "tests/kernel/kernel_harness.h"

namespace {

TEST(TimerTask, OneShotFiresOnTheNthTickAndZeroStopsIt) {
  KernelHarness k;
  k.runFor(95);
  const uint64_t setAt = k.test.host.now();
  AO_Post(AO_DTM, SIG_TIMER_A_SET, 3);
  AO_Post(AO_DTM, SIG_TIMER_B_SET, 5);
  AO_Run();
  AO_Post(AO_DTM, SIG_TIMER_B_SET, 0);
  AO_Run();
  k.runFor(1000);
  const auto a = k.eventsOf(SIG_TIMER_A_TIMEOUT);
  ASSERT_EQ(a.size(), 1u);
  EXPECT_GT(a[0].timeMs, setAt + 200);  // third 100 ms tick after the set
  EXPECT_LE(a[0].timeMs, setAt + 300);
  EXPECT_TRUE(k.eventsOf(SIG_TIMER_B_TIMEOUT).empty());
}

TEST(TimerTask, SettingTimerCPurgesAQueuedTimeout) {
  KernelHarness k;
  AO_Post(AO_DTM, SIG_TIMER_C_SET, 1);
  AO_Run();
  k.test.host.delayMs(100);  // the time-out is now queued for object 1, not yet dispatched
  AO_Post(AO_DTM, SIG_TIMER_C_SET, 4);
  AO_Run();
  ASSERT_EQ(k.eventsOf(SIG_TIMER_C_TIMEOUT).size(), 0u);
  const uint64_t rearmedAt = k.test.host.now();
  k.runFor(1000);
  const auto c = k.eventsOf(SIG_TIMER_C_TIMEOUT);
  ASSERT_EQ(c.size(), 1u);
  EXPECT_GT(c[0].timeMs, rearmedAt + 300);
  EXPECT_LE(c[0].timeMs, rearmedAt + 400);
}

TEST(TimerTask, TimeoutsDueInTheSameTickArriveInTableOrder) {
  KernelHarness k;
  // Set in reverse table order; they must still come out as A, B, C, F, G, E, H, I.
  const Signal sets[] = {123, 121, 114, 118, 116, 108, 106, 104};
  for (Signal s : sets) AO_Post(AO_DTM, s, 2);
  AO_Run();
  k.runFor(300, 100);
  const std::vector<Signal> tableOrder{105, 107, 109, 117, 119, 115, 122, 124};
  std::vector<Signal> timeouts;
  for (const auto& e : k.events())
    if (std::find(tableOrder.begin(), tableOrder.end(), e.sig) != tableOrder.end()) timeouts.push_back(e.sig);
  EXPECT_EQ(timeouts, tableOrder);
}

TEST(TimerTask, PeriodicSignalsKeepTheirIntervals) {
  KernelHarness k;
  k.runFor(60000, 100);
  // Interval reload + 1 ticks of 100 ms, the first one after reload ticks.
  EXPECT_EQ(k.eventsOf(SIG_MENU_TICK).size(), 60000u / 5100u);
  EXPECT_EQ(k.test.traceCount("FATAL"), 0u);
}

TEST(TimerTask, ClockFollowsTheHostAndCountsSeconds) {
  KernelHarness k;
  EXPECT_EQ(DTM_GetClock(), static_cast<uint32_t>(TestHost::kDefaultStart));
  k.runFor(10000, 100);
  EXPECT_EQ(DTM_GetClock(), static_cast<uint32_t>(TestHost::kDefaultStart + 10));
  DateTime now{};
  DTM_GetDateTime(&now);
  EXPECT_EQ(now.year, 2026);
  EXPECT_EQ(now.month, 12);
  EXPECT_EQ(now.day, 10);
  EXPECT_EQ(now.hour, 8);
  EXPECT_EQ(now.second, 10);
}

TEST(TimerTask, SecondTicksOnTracesOneFatalLinePerSource) {
  KernelHarness k;
  AO_Post(AO_DTM, SIG_DTM_TICKS_ON, 0);
  AO_Run();
  EXPECT_EQ(k.test.traceCount("\nFATAL ERROR: CPU_Timer tim_enableTimer"), 4u);
  EXPECT_NE(k.test.traces.find("\nFATAL ERROR: CPU_Timer tim_enableTimer100ms() 2"), std::string::npos);
  EXPECT_EQ(tim_enableCount(TickSource::Tick10ms), 2);
}

}  // namespace
