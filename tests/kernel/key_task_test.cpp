#include "kernel/key_task.h"

#include <gtest/gtest.h>

#include "kernel/active_object.h"
#include "platform/key_port.h"
#include "tests/kernel/kernel_harness.h"

namespace {

std::vector<uint32_t> parametersOf(const std::vector<RecordedEvent>& events) {
  std::vector<uint32_t> out;
  for (const auto& e : events) out.push_back(e.par);
  return out;
}

class KeyTaskTest : public ::testing::Test {
 protected:
  // Presses a hardkey, keeps it `heldMs` and releases it; returns the time the press was seen.
  uint64_t hold(uint8_t hardkey, uint64_t heldMs) {
    k.test.host.setHardkey(hardkey, true);
    k.runFor(heldMs);
    k.test.host.setHardkey(hardkey, false);
    k.runFor(100);
    const auto any = k.eventsOf(SIG_KEY_ANY);
    return any.empty() ? 0 : any.front().timeMs;
  }
  KernelHarness k;
};

TEST_F(KeyTaskTest, RepeatKeyHeldTwoSecondsRepeatsAt800And400ms) {
  k.runFor(100);
  const uint64_t pressedAt = k.test.host.now();
  hold(kHardkeyUp, 2050);
  const auto presses = k.eventsOf(SIG_KEY0_PRESS);
  ASSERT_EQ(parametersOf(presses), (std::vector<uint32_t>{0, 1, 2, 3, 4}));
  const uint64_t seen = presses[0].timeMs;
  EXPECT_LE(seen - pressedAt, 40u);  // two equal samples of the 20 ms scan
  const uint64_t expectedOffsets[] = {0, 800, 1200, 1600, 2000};
  for (size_t i = 0; i < presses.size(); ++i)
    EXPECT_NEAR(double(presses[i].timeMs - seen), double(expectedOffsets[i]), 20);
  EXPECT_EQ(parametersOf(k.eventsOf(SIG_KEY_ANY)), (std::vector<uint32_t>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(k.eventsOf(SIG_KEY_FAST).empty());
}

TEST_F(KeyTaskTest, EveryPressIsPrecededByKeyAnyAndReleaseByReleaseAny) {
  hold(kHardkeyDown, 900);
  std::vector<Signal> keySignals;
  for (const auto& e : k.events())
    if (e.sig >= SIG_KEY_ANY && e.sig <= SIG_KEY_FAST) keySignals.push_back(e.sig);
  EXPECT_EQ(keySignals, (std::vector<Signal>{SIG_KEY_ANY, SIG_KEY2_PRESS, SIG_KEY_ANY, SIG_KEY2_PRESS,
                                             SIG_KEY_RELEASE_ANY, SIG_KEY2_RELEASE}));
  for (const auto& e : k.eventsOf(SIG_KEY2_RELEASE)) EXPECT_EQ(e.par, 0u);
}

TEST_F(KeyTaskTest, OkHeldFourSecondsGivesOneLongPress) {
  hold(kHardkeyOk, 6000);
  EXPECT_EQ(parametersOf(k.eventsOf(SIG_KEY1_PRESS)), (std::vector<uint32_t>{0}));
  const auto longPress = k.eventsOf(SIG_KEY1_LONG);
  ASSERT_EQ(parametersOf(longPress), (std::vector<uint32_t>{1}));
  EXPECT_NEAR(double(longPress[0].timeMs - k.eventsOf(SIG_KEY1_PRESS)[0].timeMs), 4000, 20);
}

TEST_F(KeyTaskTest, CombinationsWaitForTheirPressDelay) {
  struct Case {
    uint8_t hardkey;
    uint64_t heldMs;
    Signal press;
    size_t presses;
  } cases[] = {
      {kHardkeyMenuOk, 3000, SIG_KEY10_PRESS, 0},
      {kHardkeyMenuOk, 4200, SIG_KEY10_PRESS, 1},
      {kHardkeyMenuDown, 1900, SIG_KEY11_PRESS, 0},
      {kHardkeyOkBack, 2200, SIG_KEY12_PRESS, 1},
  };
  for (const Case& c : cases) {
    k.clearEvents();
    hold(c.hardkey, c.heldMs);
    EXPECT_EQ(k.eventsOf(c.press).size(), c.presses) << int(c.hardkey) << " held " << c.heldMs;
    EXPECT_EQ(k.eventsOf(c.press + 1).size(), 1u);  // the release always comes
  }
}

TEST_F(KeyTaskTest, AccelerationReachesTheFastStage) {
  AO_Post(AO_TAS, SIG_TAS_ACCEL, 15);
  AO_Run();
  hold(kHardkeyRight, 6000);
  const auto fast = k.eventsOf(SIG_KEY_FAST);
  ASSERT_EQ(fast.size(), 1u);
  EXPECT_EQ(fast[0].par, 10u);
  const auto presses = k.eventsOf(SIG_KEY6_PRESS);
  ASSERT_GT(presses.size(), 10u);
  EXPECT_NEAR(double(presses.back().timeMs - presses[presses.size() - 2].timeMs), 100, 20);
}

TEST_F(KeyTaskTest, FlushRemovesOnlyKeyEvents) {
  AO_Post(AO_BED, 13, 0);
  AO_Post(AO_BED, SIG_KEY1_PRESS, 0);
  AO_Post(AO_BED, SIG_KEY_FAST, 0);
  AO_Post(AO_BED, 85, 0);
  AO_Post(AO_TAS, SIG_TAS_FLUSH, 0);
  AO_Run();
  std::vector<Signal> seen;
  for (const auto& e : k.events()) seen.push_back(e.sig);
  EXPECT_EQ(seen, (std::vector<Signal>{13, 85}));
}

TEST_F(KeyTaskTest, ShortBlipBetweenScansIsMissed) {
  k.runFor(100);
  k.test.host.setHardkey(kHardkeyHelp, true);
  k.runFor(5);
  k.test.host.setHardkey(kHardkeyHelp, false);
  k.runFor(200);
  EXPECT_TRUE(k.eventsOf(SIG_KEY7_PRESS).empty());
}

}  // namespace
