#include <gtest/gtest.h>

#include <string>

#include "sim/scenario.h"

namespace {

TEST(ScenarioParse, ReadsEveryStepKind) {
  const char* yaml = R"(name: All steps
steps:
  - delay: 5s
  - press: ok
  - hold: {key: menu+ok, for: 4s}
  - hold: up
  - release: up
  - press: 14
  - wait-trace: {text: "x", timeout: 2min}
  - expect-trace: "y"
  - fail-trace: {text: "FATAL"}
  - write-serial: [0x05, 7]
  - wait-serial: {bytes: [0x00], timeout: 250ms}
  - take-screenshot: {save-to: a.png, compare-with: b.png}
  - expect-text: "Menü"
  - expect-no-text: {text: "Heizung", inverted: true}
  - wait-text: {text: "Reset", timeout: 1h}
)";
  Scenario s;
  std::string error;
  ASSERT_TRUE(SIM_ParseScenario(yaml, "all.yaml", &s, &error)) << error;
  ASSERT_EQ(s.steps.size(), 15u);
  EXPECT_EQ(s.name, "All steps");
  EXPECT_EQ(s.steps[0].durationMs, 5000u);
  EXPECT_EQ(s.steps[1].hardkey, 3);
  EXPECT_EQ(s.steps[1].durationMs, 100u);
  EXPECT_EQ(s.steps[2].hardkey, 10);
  EXPECT_EQ(s.steps[2].durationMs, 4000u);
  EXPECT_TRUE(s.steps[3].holdUntilRelease);
  EXPECT_EQ(s.steps[5].hardkey, 14);
  EXPECT_EQ(s.steps[6].durationMs, 120000u);
  EXPECT_EQ(s.steps[9].bytes, (std::vector<uint8_t>{5, 7}));
  EXPECT_EQ(s.steps[10].durationMs, 250u);
  EXPECT_EQ(s.steps[11].compareWith, "b.png");
  EXPECT_TRUE(s.steps[13].requireInverted);
  EXPECT_EQ(s.steps[14].durationMs, 3600000u);
  EXPECT_EQ(s.steps[12].line, 15);
}

TEST(ScenarioParse, RejectsBadInputWithFileAndLine) {
  struct {
    const char* yaml;
    const char* expected;
  } cases[] = {
      {"name: x\nsteps:\n  - jump: 5s\n", "bad.yaml:3: unknown step 'jump'"},
      {"name: x\nsteps:\n  - delay: 5 seconds\n", "bad.yaml:3: bad duration '5 seconds'"},
      {"name: x\nsteps:\n  - delay: 5\n", "bad.yaml:3: bad duration '5'"},
      {"name: x\nsteps:\n  - press: enter\n", "bad.yaml:3: unknown key 'enter'"},
      {"name: x\nsteps:\n  - press: 34\n", "bad.yaml:3: unknown key '34'"},
      {"name: x\nsteps:\n  - write-serial: [0x100]\n", "bad.yaml:3: bad byte '0x100'"},
      {"name: x\nsteps:\n  - hold: {key: ok, fr: 2s}\n", "bad.yaml:3: unknown field 'fr' in hold"},
      {"name: x\nsteps:\n  - wait-trace: {timeout: 2s}\n", "bad.yaml:3: wait-trace needs 'text'"},
      {"name: x\nsteps:\n  - expect-trace: {text: a, timeout: 2s}\n", "expect-trace has no timeout"},
      {"name: x\nsteps:\n  - delay: 1s\n    press: ok\n", "bad.yaml:3: a step is one key"},
      {"name: x\nsteps: [\n", "bad.yaml:"},
      {"name: x\n", "bad.yaml:1: the scenario has no 'steps'"},
      {"nme: x\nsteps: []\n", "bad.yaml:1: unknown field 'nme'"},
      {"- delay: 1s\n", "bad.yaml:1: a scenario is a map"},
  };
  for (const auto& c : cases) {
    Scenario s;
    std::string error;
    EXPECT_FALSE(SIM_ParseScenario(c.yaml, "bad.yaml", &s, &error)) << c.yaml;
    EXPECT_NE(error.find(c.expected), std::string::npos) << "got: " << error;
  }
}

TEST(ScenarioParse, MissingFileIsAClearError) {
  Scenario s;
  std::string error;
  EXPECT_FALSE(SIM_LoadScenario("/no/such/scenario.yaml", &s, &error));
  EXPECT_EQ(error, "/no/such/scenario.yaml: cannot read the scenario file");
}

}  // namespace
