// Runs a scenario against the unit on a virtual-time host.
//
// Steps run one after another in virtual time. A wait or expect on the trace
// or on the serial output looks at everything written since the previous
// match of its kind (or the start), so output of an earlier step is still
// found; each match consumes the output up to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sim/controller/sim_controller.h"
#include "sim/scenario.h"
#include "sim/virtual_time_host.h"

struct StepOutcome {
  enum class State { NotRun, Passed, Failed } state = State::NotRun;
  uint64_t startMs = 0;
  uint64_t endMs = 0;
  std::string message;
};

// What the screen steps need from the panel; kept apart so that the runner
// does not depend on how screenshots and screen text are made.
class ScreenChecks {
 public:
  virtual ~ScreenChecks() = default;
  // Saves and/or compares the visible panel. False with `message` on failure.
  virtual bool screenshot(const ScenarioStep& step, std::string* message) = 0;
  // True when a text run on the panel contains `text` (and is inverted, if asked).
  virtual bool hasText(const std::string& text, bool requireInverted) = 0;
  virtual std::string describeScreen() = 0;
};

class ScenarioRunner : public VirtualTimeHost::Listener {
 public:
  ScenarioRunner(VirtualTimeHost& host, const Scenario& scenario, ScreenChecks* screen);

  // Schedules the first step at virtual time 0; the unit's run does the rest.
  void begin();
  bool finished() const { return finished_; }
  bool passed() const { return finished_ && !failed_; }
  const std::string& failureMessage() const { return failure_; }
  const std::vector<StepOutcome>& outcomes() const { return outcomes_; }
  // Called when the run ends before the scenario did.
  void abandon(const std::string& reason);

  // Everything else the runner hears from the host goes on to this listener.
  void setForward(VirtualTimeHost::Listener* forward) { forward_ = forward; }
  // The simulated controller that the controller steps talk to (none: they fail).
  void setController(simctl::SimController* controller) { controller_ = controller; }

  void onTrace(uint64_t timeMs, const char* text) override;
  void onSerialTransmit(uint64_t timeMs, uint8_t byte) override;
  void onMessageBox(const char* text, const char* title) override;
  void onPanelRefreshed(uint64_t timeMs) override;

 private:
  enum class Waiting { Nothing, Timer, Trace, Serial, Text };

  void advance();
  // Runs the current step; false when it has to wait.
  bool runStep(const ScenarioStep& step);
  void completeStep();
  void fail(const std::string& message);
  void waitFor(Waiting what, uint64_t timeoutMs);
  void resumeLater();
  bool runControllerStep(const ScenarioStep& step);
  bool consumeTrace(const std::string& text);
  bool consumeSerial(const std::vector<uint8_t>& bytes);
  std::string unconsumedTraceTail() const;
  std::string unconsumedSerial() const;
  void checkTraceWatches();

  VirtualTimeHost& host_;
  const Scenario& scenario_;
  ScreenChecks* screen_;
  VirtualTimeHost::Listener* forward_ = nullptr;
  simctl::SimController* controller_ = nullptr;

  size_t current_ = 0;
  std::vector<StepOutcome> outcomes_;
  Waiting waiting_ = Waiting::Nothing;
  uint64_t waitGeneration_ = 0;
  bool finished_ = false;
  bool failed_ = false;
  std::string failure_;

  std::string trace_;
  size_t traceConsumed_ = 0;
  std::vector<uint8_t> serial_;
  size_t serialConsumed_ = 0;
  std::vector<size_t> traceWatches_;  // indices of fail-trace steps
  size_t traceWatchedUpTo_ = 0;
};
