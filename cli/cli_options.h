// Command line of kalvero-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CliOptions {
  std::string scenarioFile;
  std::optional<uint64_t> runForMs;
  std::string traceFile;
  int64_t startLocalSeconds = 0;
  std::string junitFile;
  bool realtime = false;
  std::string servicePort = "pty";
  std::optional<int> language;
  int zoom = 1;
  bool dumpScreen = false;
  std::string screenshotFile;
  bool tickStatistics = false;
  std::string catalogueDirectory;
  bool controller = false;
};

// Parses the command line. Returns an exit code to leave with at once
// (0 after --help, 2 on a usage error), or nothing to go on.
std::optional<int> CLI_Parse(int argc, char** argv, CliOptions* options);
// "2026-12-10T08:00" or "2026-12-10T08:00:30" as local seconds since 1970.
std::optional<int64_t> CLI_ParseClock(const std::string& text);
