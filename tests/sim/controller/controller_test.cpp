// The unit with the simulated controller on the virtual bus, in virtual time.
#include <gtest/gtest.h>

#include "data/data_fields.h"
#include "data/dis_write.h"
#include "data/display_link.h"
#include "kernel/active_object.h"
#include "sim/controller/sim_controller.h"
#include "tests/support/test_host.h"

namespace {

class WithController : public ::testing::Test {
 protected:
  WithController() { controller.attachTo(test.host); }

  // Virtual time at which `needle` first appeared in the traces (0 = never).
  uint64_t traceTime(const std::string& needle) {
    const auto it = firstSeen.find(needle);
    return it == firstSeen.end() ? 0 : it->second;
  }
  void watch(const std::string& needle) {
    const uint64_t step = 100;
    for (uint64_t t = step; t < 120000; t += step)
      test.at(t, [this, needle, t] {
        if (firstSeen.count(needle) == 0 && test.traces.find(needle) != std::string::npos)
          firstSeen[needle] = t;
      });
  }
  double controllerValue(const char* name) {
    double v = -1;
    EXPECT_TRUE(controller.value(name, &v)) << name;
    return v;
  }

  TestHost test;
  simctl::SimController controller;
  std::map<std::string, uint64_t> firstSeen;
};

TEST_F(WithController, StartUpExchangeReachesRun) {
  watch("DIS_StartCommunication Entry");
  watch("DIS_Run Entry");
  test.runUnitFor(60000);
  const uint64_t started = traceTime("DIS_StartCommunication Entry");
  const uint64_t running = traceTime("DIS_Run Entry");
  ASSERT_GT(started, 0u);
  ASSERT_GT(running, started);
  EXPECT_LT(running - started, 20000u);
  std::printf("start-up exchange: %llu ms of unit time\n",
              static_cast<unsigned long long>(running - started));
  EXPECT_EQ(controllerValue("reset-reason"), 0);
  EXPECT_EQ(test.traceCount("SIG_BED_ERROR_RESET"), 0u);
  const auto stats = controller.statistics();
  EXPECT_EQ(stats.refusedFrames, 0u);
  EXPECT_GT(stats.telegramsAnswered, 30u);
}

TEST_F(WithController, WriteTelegramChangesTheControllerAndComesBackInTheAnswer) {
  test.at(40000, [] {
    DAT_ChangeCircuit(1);
    DIS_SendCommandValue(205, 45);  // room set-point 22.5 °C
  });
  uint8_t seenAt45 = 0;
  test.at(50000, [&] { seenAt45 = DAT_CircuitRecord(1)[kRecordJob1Offset + 1]; });
  test.runUnitFor(50001);
  EXPECT_DOUBLE_EQ(controllerValue("room-setpoint-hc1"), 22.5);
  EXPECT_EQ(seenAt45, 45);
}

TEST_F(WithController, FaultIndicationRaisesTheFaultMessage) {
  test.at(40000, [this] { controller.set("fault", true); });
  uint32_t flagAt = 0;
  test.at(45000, [&] { flagAt = DAT_Get(df::FaultMessage); });
  test.runUnitFor(45001);
  EXPECT_EQ(flagAt, 1u);
}

TEST_F(WithController, SilentBusRestartsTheUnitWithReason32AndTheLinkComesBack) {
  test.at(40000, [this] { controller.set("silent", true); });
  test.at(120000, [this] { controller.set("silent", false); });
  test.runUnitFor(200000);
  EXPECT_EQ(test.traceCount("*SIG_BED_ERROR_RESET: 32"), 1u);
  EXPECT_EQ(controllerValue("reset-reason"), 32);
  EXPECT_EQ(test.traceCount("DIS_Run Entry"), 2u);
}

}  // namespace
