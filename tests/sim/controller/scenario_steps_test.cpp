// The controller steps of scenarios: parsing with file:line errors, and
// running them against the unit with the simulated controller.
#include <gtest/gtest.h>

#include "sim/controller/sim_controller.h"
#include "sim/scenario.h"
#include "sim/scenario_runner.h"
#include "sim/unit.h"
#include "tests/support/test_host.h"

namespace {

TEST(ControllerSteps, ParseErrorsNameTheLine) {
  const struct {
    const char* yaml;
    const char* error;
  } cases[] = {
      {"steps:\n  - delay: 1s\n  - controller: {fualt: on}\n", "s.yaml:3: unknown controller switch 'fualt'"},
      {"steps:\n  - controller: {fault: maybe}\n", "s.yaml:2: bad switch value 'maybe'"},
      {"steps:\n  - controller: fault\n", "s.yaml:2: controller takes a map"},
      {"steps:\n  - expect-controller: {room-setpoint-hc9: 21}\n", "s.yaml:2: unknown controller value"},
      {"steps:\n  - expect-controller: {burner: hot}\n", "s.yaml:2: bad number 'hot'"},
  };
  for (const auto& c : cases) {
    Scenario scenario;
    std::string error;
    EXPECT_FALSE(SIM_ParseScenario(c.yaml, "s.yaml", &scenario, &error)) << c.yaml;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
  }
}

TEST(ControllerSteps, RunAgainstTheSimulatedController) {
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(SIM_ParseScenario(R"(steps:
  - wait-trace: {text: "DIS_Run Entry", timeout: 30s}
  - expect-controller: {room-setpoint-hc1: 20, reset-reason: 0}
  - controller: {silent: on}
  - wait-trace: {text: "SIG_BED_ERROR_RESET: 32", timeout: 90s}
  - controller: {silent: off}
  - wait-trace: {text: "DIS_Run Entry", timeout: 30s}
  - expect-controller: {reset-reason: 32}
  - expect-controller: {room-setpoint-hc1: 21}
)",
                                "s.yaml", &scenario, &error))
      << error;
  TestHost test;
  simctl::SimController controller;
  controller.attachTo(test.host);
  ScenarioRunner runner(test.host, scenario, nullptr);
  runner.setController(&controller);
  test.host.setListener(&runner);
  runner.begin();
  test.host.schedule(300000, [&] { test.host.requestStop(); });
  SIM_RunUnit(test.host);
  ASSERT_FALSE(runner.passed());
  EXPECT_EQ(runner.outcomes()[6].state, StepOutcome::State::Passed);
  EXPECT_NE(runner.failureMessage().find("the controller's room-setpoint-hc1 is 20"), std::string::npos)
      << runner.failureMessage();
}

}  // namespace
