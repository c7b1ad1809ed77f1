#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/virtual_run.h"
#include "sim/panel_image.h"

namespace {

std::optional<int> parse(std::vector<std::string> args, CliOptions* options) {
  args.insert(args.begin(), "kalvero-cli");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  return CLI_Parse(static_cast<int>(argv.size()), argv.data(), options);
}

TEST(CliOptions, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},                    // nothing to do
      {"--run-for", "ten"},  // bad duration
      {"--run-for", "1s", "--clock", "2026-02-30T08:00"},
      {"--run-for", "1s", "--lang", "19"},
      {"--scenario", "/no/such/file.yaml"},
      {"--bogus"},
  };
  for (const auto& args : bad) {
    CliOptions options;
    EXPECT_EQ(parse(args, &options), 2) << (args.empty() ? "" : args[0]);
  }
  CliOptions options;
  EXPECT_EQ(parse({"--run-for", "24h", "--clock", "2027-01-31T23:59:30", "--lang", "3"}, &options),
            std::nullopt);
  EXPECT_EQ(*options.runForMs, 86400000u);
  EXPECT_EQ(*options.language, 3);
  EXPECT_EQ(options.startLocalSeconds, *CLI_ParseClock("2027-01-31T23:59:30"));
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(CliRun, SameScenarioGivesTheSameTraceAndExitCodes) {
  const std::string dir = ::testing::TempDir();
  const std::string scenario = dir + "/kalvero-determinism.yaml";
  std::ofstream(scenario)
      << "name: Determinism\nsteps:\n  - delay: 1s\n  - press: 14\n  - wait-trace: RESTARTING\n"
         "  - hold: {key: ok, for: 5s}\n";
  std::string traces[2];
  for (int i = 0; i < 2; ++i) {
    CliOptions options;
    options.scenarioFile = scenario;
    options.traceFile = dir + "/kalvero-trace-" + std::to_string(i) + ".txt";
    options.junitFile = dir + "/kalvero-junit.xml";
    EXPECT_EQ(CLI_RunVirtual(options), 0);
    traces[i] = readFile(options.traceFile);
  }
  EXPECT_FALSE(traces[0].empty());
  EXPECT_EQ(traces[0], traces[1]);
  EXPECT_NE(traces[0].find("[00:00:01.050] *SIG_REG_RESET"), std::string::npos) << traces[0];
  EXPECT_NE(readFile(dir + "/kalvero-junit.xml").find("tests=\"4\" failures=\"0\""), std::string::npos);

  std::ofstream(scenario) << "name: Failing\nsteps:\n  - wait-trace: {text: never, timeout: 1s}\n";
  CliOptions failing;
  failing.scenarioFile = scenario;
  EXPECT_EQ(CLI_RunVirtual(failing), 1);

  std::ofstream(scenario) << "name: Broken\nsteps:\n  - wait-trace: {text: never, timeout: soon}\n";
  EXPECT_EQ(CLI_RunVirtual(failing), 2);
}

}  // namespace

TEST(CliRun, ScreenshotMismatchFailsAndWritesADiffPicture) {
  const std::string dir = ::testing::TempDir();
  ASSERT_EQ(panel_image::savePng(panel_image::Image(240, 160), dir + "/kalvero-blank.png"), "");
  const std::string scenario = dir + "/kalvero-compare.yaml";
  std::ofstream(scenario) << "name: Compare\nsteps:\n  - delay: 1s\n  - press: 14\n  - wait-text: Reset\n"
                             "  - take-screenshot: {save-to: "
                          << dir << "/kalvero-actual.png, compare-with: kalvero-blank.png}\n";
  CliOptions options;
  options.scenarioFile = scenario;
  EXPECT_EQ(CLI_RunVirtual(options), 1);
  const auto diff = panel_image::loadPng(dir + "/kalvero-actual.diff.png", 240, 160);
  EXPECT_TRUE(diff.image.has_value()) << diff.error;
}
