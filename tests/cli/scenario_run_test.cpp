#include <gtest/gtest.h>

#include <string>

#include "sim/scenario.h"
#include "sim/scenario_runner.h"
#include "sim/unit.h"
#include "tests/support/test_host.h"

namespace {

struct RunResult {
  bool passed;
  std::string failure;
  uint64_t endMs;
  std::vector<StepOutcome> outcomes;
};

RunResult run(const std::string& yaml) {
  Scenario scenario;
  std::string error;
  EXPECT_TRUE(SIM_ParseScenario(yaml, "t.yaml", &scenario, &error)) << error;
  TestHost test;
  ScenarioRunner runner(test.host, scenario, nullptr);
  runner.setForward(&test);
  test.host.setListener(&runner);
  runner.begin();
  test.host.schedule(3600000, [&test] { test.host.requestStop(); });
  SIM_RunUnit(test.host);
  runner.abandon("limit");
  return {runner.passed(), runner.failureMessage(), test.host.now(), runner.outcomes()};
}

TEST(ScenarioRun, WaitFindsOutputOfEarlierStepsAndEachMatchConsumesIt) {
  const RunResult ok = run(R"(steps:
  - delay: 2s
  - wait-trace: "BKE_Kontrasteinstellung Init"
  - delay: 1s
)");
  EXPECT_TRUE(ok.passed) << ok.failure;
  EXPECT_EQ(ok.endMs, 3000u);

  const RunResult consumed = run(R"(steps:
  - delay: 2s
  - wait-trace: "BKE_Kontrasteinstellung Init"
  - wait-trace: {text: "BKE_Kontrasteinstellung Init", timeout: 1s}
)");
  EXPECT_FALSE(consumed.passed);
  EXPECT_NE(consumed.failure.find("t.yaml:4: step 3 (wait-trace: \"BKE_Kontrasteinstellung Init\") failed at "
                                  "00:00:03.000: timed out after 1000 ms"),
            std::string::npos)
      << consumed.failure;
}

TEST(ScenarioRun, WaitEndsAsSoonAsTheTextAppears) {
  const RunResult r = run(R"(steps:
  - delay: 1s
  - press: 14
  - wait-trace: "*RESTARTING"
  - expect-trace: " DTM_TimerTask Init"
)");
  EXPECT_TRUE(r.passed) << r.failure;
  EXPECT_EQ(r.outcomes[2].endMs, 1150u);  // seen at 1050, the reset screen lives one pass of the run loop
}

TEST(ScenarioRun, FailTraceWatchesTheRestOfTheRun) {
  const RunResult r = run(R"(steps:
  - fail-trace: "*SIG_REG_RESET"
  - delay: 1s
  - press: 14
  - delay: 2s
)");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.failure.find("step 3 (press: hardkey 14) failed at 00:00:01.050: the trace contains "
                           "\"*SIG_REG_RESET\", forbidden "
                           "since t.yaml:2"),
            std::string::npos)
      << r.failure;
}

TEST(ScenarioRun, ExpectationFailureNamesWhatWasSeen) {
  const RunResult r = run(R"(steps:
  - delay: 500ms
  - expect-trace: "BSM_SystemReset"
)");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.failure.find("not in the trace since the last match: \"\\n "), std::string::npos) << r.failure;
  EXPECT_NE(r.failure.find("\\n BLA_PruefprogrammStart Init\""), std::string::npos) << r.failure;
  EXPECT_EQ(r.outcomes[1].state, StepOutcome::State::Failed);
}

TEST(ScenarioRun, WrittenSerialBytesArriveAndUnansweredWaitsTimeOut) {
  const RunResult r = run(R"(steps:
  - fail-trace: "FATAL"
  - delay: 500ms
  - write-serial: [0x05]
  - delay: 100ms
  - wait-serial: {bytes: [0x00], timeout: 2s}
)");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.failure.find("timed out after 2000 ms; serial output since the last match: []"),
            std::string::npos)
      << r.failure;
}

}  // namespace
