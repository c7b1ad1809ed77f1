#include "cli/virtual_run.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "sim/controller/sim_controller.h"
#include "sim/duration.h"
#include "sim/junit_report.h"
#include "sim/panel_checks.h"
#include "sim/panel_image.h"
#include "sim/scenario.h"
#include "sim/scenario_runner.h"
#include "sim/screen_text.h"
#include "sim/trace_log.h"
#include "sim/unit.h"
#include "sim/virtual_time_host.h"

namespace {

// Writes the trace file and reports message boxes of the unit.
class RunOutput : public VirtualTimeHost::Listener {
 public:
  TraceLog traceLog;
  void onTrace(uint64_t timeMs, const char* text) override { traceLog.write(timeMs, text); }
  void onMessageBox(const char* text, const char* title) override {
    std::fprintf(stderr, "kalvero-cli: message box \"%s\": %s\n", title, text);
  }
};

bool openTrace(const CliOptions& options, RunOutput* output) {
  if (options.traceFile.empty()) return true;
  std::string error;
  if (output->traceLog.open(options.traceFile == "-" ? "/dev/stdout" : options.traceFile, &error))
    return true;
  std::fprintf(stderr, "kalvero-cli: cannot write the trace: %s\n", error.c_str());
  return false;
}

// What --dump-screen and --screenshot ask for at the end of a run.
int finishScreenOutputs(const CliOptions& options, VirtualTimeHost& host) {
  if (options.dumpScreen) std::printf("%s", screen_text::dump(*host.panel()).c_str());
  if (options.screenshotFile.empty()) return 0;
  const std::string error =
      panel_image::savePng(panel_image::render(*host.panel(), options.zoom), options.screenshotFile);
  if (error.empty()) return 0;
  std::fprintf(stderr, "kalvero-cli: cannot save the screenshot: %s\n", error.c_str());
  return 2;
}

}  // namespace

int CLI_RunVirtual(const CliOptions& options) {
  Scenario scenario;
  std::string error;
  if (!options.scenarioFile.empty() && !SIM_LoadScenario(options.scenarioFile, &scenario, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  RunOutput output;
  if (!openTrace(options, &output)) return 2;

  VirtualTimeHost host(options.startLocalSeconds);
  const std::string goldenDirectory = std::filesystem::path(options.scenarioFile).parent_path().string();
  PanelChecks screen(*host.panel(), options.zoom, goldenDirectory);
  std::unique_ptr<simctl::SimController> controller;
  if (options.controller) {
    controller = std::make_unique<simctl::SimController>();
    controller->attachTo(host);
  }
  std::unique_ptr<ScenarioRunner> runner;
  if (!options.scenarioFile.empty()) {
    runner = std::make_unique<ScenarioRunner>(host, scenario, &screen);
    runner->setForward(&output);
    runner->setController(controller.get());
    host.setListener(runner.get());
    runner->begin();
  } else {
    host.setListener(&output);
  }
  if (options.runForMs) host.schedule(*options.runForMs, [&host] { host.requestStop(); });

  const auto wallStart = std::chrono::steady_clock::now();
  SIM_RunUnit(host);
  const double wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  output.traceLog.close();
  const int screenResult = finishScreenOutputs(options, host);

  if (!runner) {
    std::printf("Ran %s of virtual time in %.3f s.\n", SIM_FormatTimeMs(host.now()).c_str(), wallSeconds);
    return screenResult;
  }
  runner->abandon("the run ended (--run-for) before the scenario did");
  if (!options.junitFile.empty() && !SIM_WriteJUnit(options.junitFile, scenario, runner->outcomes(), &error))
    std::fprintf(stderr, "kalvero-cli: cannot write the JUnit report: %s\n", error.c_str());
  if (!runner->passed()) {
    std::printf("FAILED %s\n%s\n", scenario.name.c_str(), runner->failureMessage().c_str());
    return 1;
  }
  std::printf("PASSED %s: %zu steps, %s of virtual time in %.3f s.\n", scenario.name.c_str(),
              scenario.steps.size(), SIM_FormatTimeMs(host.now()).c_str(), wallSeconds);
  return screenResult;
}
