// Automation scenarios: a YAML file with a `name` and a list of `steps`.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class StepKind {
  Delay,
  Press,
  Hold,
  Release,
  WaitTrace,
  ExpectTrace,
  FailTrace,
  WriteSerial,
  WaitSerial,
  TakeScreenshot,
  ExpectText,
  ExpectNoText,
  WaitText,
  Controller,
  ExpectController,
};

struct ScenarioStep {
  StepKind kind = StepKind::Delay;
  int line = 0;             // 1-based line in the scenario file
  std::string keyword;      // the step's key as written
  uint64_t durationMs = 0;  // delay, hold time, or a wait's timeout
  bool holdUntilRelease = false;
  uint8_t hardkey = 0;
  std::string text;
  bool requireInverted = false;
  std::vector<uint8_t> bytes;
  std::string saveTo;
  std::string compareWith;
  // controller: switches to set; expect-controller: values to compare.
  std::vector<std::pair<std::string, bool>> switches;
  std::vector<std::pair<std::string, double>> values;

  // "press: ok", "wait-trace: \"x\"" ... as shown in reports.
  std::string describe() const;
};

struct Scenario {
  std::string name;
  std::string file;
  std::vector<ScenarioStep> steps;
};

constexpr uint64_t kDefaultWaitTimeoutMs = 10000;
constexpr uint64_t kPressDurationMs = 100;

// Loads and checks a scenario. On failure `error` reads "file:line: message".
bool SIM_LoadScenario(const std::string& path, Scenario* scenario, std::string* error);
bool SIM_ParseScenario(const std::string& yamlText, const std::string& fileName, Scenario* scenario,
                       std::string* error);
// A key as a scenario names it ("ok", "menu+ok", "14") to its hardkey number.
bool SIM_ParseKey(const std::string& name, uint8_t* hardkey);
