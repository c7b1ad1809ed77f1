#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "kernel/calendar.h"
#include "sim/duration.h"

namespace {
constexpr const char* kDefaultClock = "2026-12-10T08:00";

std::string checkDuration(const std::string& text) {
  return SIM_ParseDurationMs(text) ? std::string()
                                   : "bad duration '" + text + "' (use e.g. 500ms, 5s, 2min, 24h)";
}
}  // namespace

std::optional<int64_t> CLI_ParseClock(const std::string& text) {
  unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int consumed = 0;
  const int fields = std::sscanf(text.c_str(), "%4u-%2u-%2uT%2u:%2u%n:%2u%n", &year, &month, &day, &hour,
                                 &minute, &consumed, &second, &consumed);
  if (fields < 5 || static_cast<size_t>(consumed) != text.size()) return std::nullopt;
  if (year < 1970 || year > 2099 || month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 ||
      second > 59)
    return std::nullopt;
  DateTime date{
      static_cast<uint16_t>(year), static_cast<uint8_t>(month), static_cast<uint8_t>(day), 0, 0, 0, 0};
  DateTime check{};
  CAL_DaysToDate(CAL_DateToDays(&date), &check);
  if (check.day != day || check.month != month) return std::nullopt;  // 31 April and the like
  return int64_t{CAL_DateToDays(&date)} * 86400 + hour * 3600 + minute * 60 + second;
}

std::optional<int> CLI_Parse(int argc, char** argv, CliOptions* options) {
  CLI::App app{"kalvero-cli: runs the Kalvero 200 KM3D operating unit headless, in virtual time by default."};
  app.set_version_flag("--version", "kalvero-cli 0.1.0");
  std::string runFor, clock = kDefaultClock;
  int language = -1;
  app.add_option("-s,--scenario", options->scenarioFile, "Scenario file (YAML) to run")
      ->check(CLI::ExistingFile);
  app.add_option("--run-for", runFor,
                 "Run for this long (e.g. 24h); with a scenario: the longest the run may take")
      ->check(checkDuration);
  app.add_option("--trace", options->traceFile,
                 "Write every trace line with its time stamp to FILE ('-': stdout)");
  app.add_option("--clock", clock,
                 "Local time at start, e.g. 2026-12-10T08:00 (default: " + std::string(kDefaultClock) + ")");
  app.add_option("--junit", options->junitFile, "Write the scenario's result as JUnit XML to FILE");
  app.add_flag("--realtime", options->realtime,
               "Run on the real-time driver (until interrupted or --run-for)");
  app.add_option("--service-port", options->servicePort,
                 "Real time only: 'pty' (default, a pseudo-terminal), 'none', or a serial device path");
  app.add_option("--lang", language, "Language 0..18 at every start of the unit")->check(CLI::Range(0, 18));
  app.add_option("--zoom", options->zoom, "Scale of screenshots, 1..8")->check(CLI::Range(1, 8));
  app.add_flag("--dump-screen", options->dumpScreen, "Print the texts on the panel at the end of the run");
  app.add_option("--screenshot", options->screenshotFile, "Save the final panel as a PNG file");
  app.add_flag("--tick-stats", options->tickStatistics,
               "Real time only: print the 20 ms key scan's timing at the end");
  app.add_flag("--controller", options->controller,
               "Connect the simulated boiler controller to the unit's bus (default: no controller, "
               "demonstration data only)");
  app.add_option("--catalogue", options->catalogueDirectory,
                 "Write a PNG of every screen in every language (or --lang) and an index page into DIR");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  if (!runFor.empty()) options->runForMs = SIM_ParseDurationMs(runFor);
  const auto start = CLI_ParseClock(clock);
  if (!start) {
    std::fprintf(stderr, "kalvero-cli: bad --clock '%s' (use YYYY-MM-DDTHH:MM[:SS], 1970..2099)\n",
                 clock.c_str());
    return 2;
  }
  options->startLocalSeconds = *start;
  if (language >= 0) options->language = language;
  if (!options->realtime && options->scenarioFile.empty() && !options->runForMs &&
      options->catalogueDirectory.empty()) {
    std::fprintf(stderr,
                 "kalvero-cli: nothing to do: give --scenario FILE or --run-for DURATION (see --help)\n");
    return 2;
  }
  if (options->realtime && !options->scenarioFile.empty()) {
    std::fprintf(stderr, "kalvero-cli: scenarios run in virtual time only; drop --realtime\n");
    return 2;
  }
  return std::nullopt;
}
