#include "kernel/app.h"

#include <gtest/gtest.h>

#include "data/status_record.h"
#include "kernel/active_object.h"
#include "menus/bsm_systemmonitor.h"
#include "platform/interrupt.h"
#include "platform/key_port.h"
#include "tests/support/test_host.h"

namespace {

StartKind startWithReason(uint8_t reason) {
  SYS_SetResetReason(reason);
  const StartKind kind = SYS_Init();
  __enable_interrupt();
  return kind;
}

TEST(StartKind, FirstStartIsColdWithReasonZero) {
  TestHost test;
  EXPECT_EQ(startWithReason(99), kStartCold);  // no magic yet: the reason is not trusted
  EXPECT_EQ(SYS_GetResetReason(), 0);
  EXPECT_EQ(SYS_GetStartMarker(), 0xFFFF);
  EXPECT_FALSE(SYS_IsGuardWordDamaged());
}

TEST(StartKind, FollowsTheResetReasonOnceTheMagicIsSet) {
  TestHost test;
  startWithReason(0);
  struct {
    uint8_t reason;
    StartKind kind;
    uint8_t reasonAfter;
  } cases[] = {
      {1, kStartWarm, 1},
      {2, kStartControllerReset, 2},
      {32, kStartCold, 32},
      {38, kStartCold, 38},
      {35, kStartCold, 35},
      {128, kStartErrorRestart, 128},
      {136, kStartErrorRestart, 136},
      {0, kStartCold, 37},
      {31, kStartCold, 37},
      {39, kStartCold, 37},
      {137, kStartCold, 37},
      {255, kStartCold, 37},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(startWithReason(c.reason), c.kind) << int(c.reason);
    EXPECT_EQ(SYS_GetResetReason(), c.reasonAfter) << int(c.reason);
  }
}

TEST(AliveSupervision, ServicesWhenAllPeriodicBitsArrived) {
  TestHost test;
  startWithReason(0);
  SYS_Alive(2);  // the start value already holds bits 2..5: serviced at once
  EXPECT_EQ(SYS_GetAliveMask(), 0x00);
  SYS_Alive(2);
  SYS_Alive(3);
  SYS_Alive(4);
  EXPECT_EQ(SYS_GetAliveMask(), 0x1C);  // bit 5 missing: nothing yet
  SYS_Alive(5);
  EXPECT_EQ(SYS_GetAliveMask(), 0x00);
  SYS_Alive(0);
  SYS_Alive(1);  // the reset screen's bits stay and the mask never matches again
  for (uint8_t bit = 2; bit <= 5; ++bit) SYS_Alive(bit);
  EXPECT_EQ(SYS_GetAliveMask(), 0x3F);
}

TEST(InterruptLock, NestedDisableAndUnbalancedEnableAreTraced) {
  TestHost test;
  IRQ_InitLocks();
  __disable_interrupt();
  __disable_interrupt();
  EXPECT_NE(test.traces.find("\nFATAL ERROR: IAR_Intrinsics __disable_interrupt() 2"), std::string::npos);
  __enable_interrupt();
  __enable_interrupt();
  EXPECT_EQ(test.traceCount("FATAL"), 2u);  // the second enable had old value 1: fine
  __enable_interrupt();
  EXPECT_NE(test.traces.find("\nFATAL ERROR: IAR_Intrinsics __enable_interrupt() -1"), std::string::npos);
}

// Whole firmware lives in virtual time.
class Restarts : public ::testing::Test {
 protected:
  void pressAt(uint64_t ms, uint8_t hardkey) {
    test.at(ms, [this, hardkey] { test.host.setHardkey(hardkey, true); });
    test.at(ms + 100, [this, hardkey] { test.host.setHardkey(hardkey, false); });
  }
  TestHost test;
};

TEST_F(Restarts, DailyRestartOnlyWhileTheScreenSaverIsRequested) {
  pressAt(1000, kHardkeyDailyRestart);
  test.at(2000, [] { SYS_SetScreenSaverRequest(1); });
  pressAt(2000, kHardkeyDailyRestart);
  test.runUnitFor(3000);
  EXPECT_EQ(test.traceCount("\n*SIG_3UHR_RESTART"), 2u);
  EXPECT_EQ(test.traceCount("\n*RESTARTING"), 1u);
  EXPECT_EQ(SYS_GetResetReason(), kResetDaily);
  EXPECT_EQ(test.traceCount("FATAL"), 0u);
}

TEST_F(Restarts, WarmRestartKeepsTheDataImageAndControllerResetClearsIt) {
  pressAt(1000, 15);  // status bit set by the simulation key
  test.at(2000, [] { SYS_SetScreenSaverRequest(1); });
  pressAt(2000, kHardkeyDailyRestart);
  test.runUnitFor(3000);
  EXPECT_EQ(DAT_GetStatusByte(5) & 1, 1);

  TestHost second;
  second.at(1000, [&second] { second.host.setHardkey(15, true); });
  second.at(2000, [&second] { second.host.setHardkey(kHardkeyResetRequest, true); });
  second.runUnitFor(3000);
  EXPECT_EQ(SYS_GetResetReason(), kResetController);
  EXPECT_EQ(DAT_GetStatusByte(5) & 1, 0);
}

TEST_F(Restarts, ResetSequenceExitsEverythingThenStartsTheNextLife) {
  pressAt(1000, kHardkeyResetRequest);
  test.runUnitFor(2000);
  const std::string expected =
      "\n*SIG_REG_RESET\n BLA_PruefprogrammStart Exit\n BLA_Laufbalkenanzeige Exit\n"
      " BKE_Kontrasteinstellung Exit\n BSM_Systemmonitor Exit\n BSM_SystemReset Entry\n BSM_SystemReset Init";
  EXPECT_NE(test.traces.find(expected), std::string::npos) << test.traces;
  const size_t restarting = test.traces.find("\n*RESTARTING");
  ASSERT_NE(restarting, std::string::npos);
  EXPECT_NE(test.traces.find("\n DTM_TimerTask Init", restarting), std::string::npos);
  EXPECT_EQ(test.traceCount("FATAL"), 0u);  // ticks went off before the restart and on again after it
}

TEST_F(Restarts, DamagedGuardWordRestartsWithReason35) {
  test.at(1000, [] { SYS_DamageGuardWord(); });
  test.runUnitFor(2000);
  EXPECT_NE(test.traces.find("\n*SIG_BED_ERROR_RESET: 35"), std::string::npos);
  EXPECT_EQ(test.traceCount("\n*RESTARTING"), 1u);
  EXPECT_EQ(SYS_GetResetReason(), kResetGuardWord);
  EXPECT_FALSE(SYS_IsGuardWordDamaged());
}

TEST_F(Restarts, ErrorResetRecordsTheLowByteOfItsReason) {
  test.at(1000, [] { AO_Post(AO_BED, SIG_BED_ERROR_RESET, 0x182); });
  test.runUnitFor(2000);
  EXPECT_NE(test.traces.find("\n*SIG_BED_ERROR_RESET: 386"), std::string::npos);
  EXPECT_EQ(SYS_GetResetReason(), 0x82);
}

TEST_F(Restarts, SameRunGivesTheSameTrace) {
  pressAt(1000, kHardkeyResetRequest);
  test.runUnitFor(5000);
  TestHost again;
  again.at(1000, [&again] { again.host.setHardkey(kHardkeyResetRequest, true); });
  again.at(1100, [&again] { again.host.setHardkey(kHardkeyResetRequest, false); });
  again.runUnitFor(5000);
  EXPECT_EQ(test.traces, again.traces);
}

}  // namespace
