#include "sim/scenario_runner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/duration.h"

namespace {
constexpr size_t kTraceTailShown = 400;
constexpr size_t kTraceKeptBehind = 1 << 20;
// Temperatures come in half degrees: anything closer is the same value.
constexpr double kControllerTolerance = 0.01;

std::string printable(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}
}  // namespace

ScenarioRunner::ScenarioRunner(VirtualTimeHost& host, const Scenario& scenario, ScreenChecks* screen)
    : host_(host), scenario_(scenario), screen_(screen), outcomes_(scenario.steps.size()) {}

void ScenarioRunner::begin() {
  host_.schedule(0, [this] { advance(); });
}

void ScenarioRunner::advance() {
  while (!finished_ && current_ < scenario_.steps.size()) {
    const ScenarioStep& step = scenario_.steps[current_];
    outcomes_[current_].startMs = host_.now();
    if (!runStep(step)) return;
    completeStep();
  }
  if (!finished_) {
    finished_ = true;
    host_.requestStop();
  }
}

void ScenarioRunner::completeStep() {
  StepOutcome& outcome = outcomes_[current_];
  outcome.state = StepOutcome::State::Passed;
  outcome.endMs = host_.now();
  waiting_ = Waiting::Nothing;
  ++current_;
}

void ScenarioRunner::resumeLater() {
  // Resume at the next delay point, not in the middle of the firmware's own work.
  waiting_ = Waiting::Nothing;
  ++waitGeneration_;
  host_.schedule(host_.now(), [this] {
    if (finished_) return;
    completeStep();
    advance();
  });
}

void ScenarioRunner::waitFor(Waiting what, uint64_t timeoutMs) {
  waiting_ = what;
  const uint64_t generation = ++waitGeneration_;
  host_.schedule(host_.now() + timeoutMs, [this, generation] {
    if (generation != waitGeneration_ || finished_ || waiting_ == Waiting::Nothing) return;
    const ScenarioStep& step = scenario_.steps[current_];
    switch (waiting_) {
      case Waiting::Timer:
        if (step.kind == StepKind::Press || step.kind == StepKind::Hold)
          host_.setHardkey(step.hardkey, false);
        completeStep();
        advance();
        return;
      case Waiting::Trace:
        fail("timed out after " + std::to_string(step.durationMs) + " ms; trace since the last match: \"" +
             printable(unconsumedTraceTail()) + "\"");
        return;
      case Waiting::Serial:
        fail("timed out after " + std::to_string(step.durationMs) +
             " ms; serial output since the last match: [" + unconsumedSerial() + "]");
        return;
      case Waiting::Text:
        fail("timed out after " + std::to_string(step.durationMs) + " ms; on screen:\n" +
             (screen_ ? screen_->describeScreen() : std::string()));
        return;
      case Waiting::Nothing:
        return;
    }
  });
}

bool ScenarioRunner::runStep(const ScenarioStep& step) {
  switch (step.kind) {
    case StepKind::Delay:
      if (step.durationMs == 0) return true;
      waitFor(Waiting::Timer, step.durationMs);
      return false;
    case StepKind::Press:
      host_.setHardkey(step.hardkey, true);
      waitFor(Waiting::Timer, step.durationMs);
      return false;
    case StepKind::Hold:
      host_.setHardkey(step.hardkey, true);
      if (step.holdUntilRelease) return true;
      waitFor(Waiting::Timer, step.durationMs);
      return false;
    case StepKind::Release:
      host_.setHardkey(step.hardkey, false);
      return true;
    case StepKind::WaitTrace:
      if (consumeTrace(step.text)) return true;
      waitFor(Waiting::Trace, step.durationMs);
      return false;
    case StepKind::ExpectTrace:
      if (!consumeTrace(step.text))
        fail("not in the trace since the last match: \"" + printable(unconsumedTraceTail()) + "\"");
      return !finished_;
    case StepKind::FailTrace:
      if (trace_.find(step.text, traceConsumed_) != std::string::npos) {
        fail("the trace contains it");
        return false;
      }
      traceWatches_.push_back(current_);
      return true;
    case StepKind::WriteSerial:
      if (!host_.serialOpen(0)) {
        fail("the service port is not open");
        return false;
      }
      host_.receiveSerial(0, step.bytes.data(), step.bytes.size());
      return true;
    case StepKind::WaitSerial:
      if (consumeSerial(step.bytes)) return true;
      waitFor(Waiting::Serial, step.durationMs);
      return false;
    case StepKind::TakeScreenshot: {
      std::string message;
      if (screen_ == nullptr || !screen_->screenshot(step, &message)) {
        fail(screen_ == nullptr ? "screenshots are not available" : message);
        return false;
      }
      return true;
    }
    case StepKind::ExpectText:
    case StepKind::ExpectNoText: {
      const bool present = screen_ != nullptr && screen_->hasText(step.text, step.requireInverted);
      if (present != (step.kind == StepKind::ExpectText)) {
        fail(std::string(present ? "is on the screen" : "is not on the screen") + "; on screen:\n" +
             (screen_ ? screen_->describeScreen() : std::string()));
        return false;
      }
      return true;
    }
    case StepKind::WaitText:
      if (screen_ != nullptr && screen_->hasText(step.text, step.requireInverted)) return true;
      waitFor(Waiting::Text, step.durationMs);
      return false;
    case StepKind::Controller:
    case StepKind::ExpectController:
      return runControllerStep(step);
  }
  return true;
}

bool ScenarioRunner::runControllerStep(const ScenarioStep& step) {
  if (controller_ == nullptr) {
    fail("no simulated controller is connected (run with --controller)");
    return false;
  }
  for (const auto& [name, on] : step.switches) controller_->set(name, on);
  for (const auto& [name, expected] : step.values) {
    double actual = 0;
    controller_->value(name, &actual);
    if (std::fabs(actual - expected) > kControllerTolerance) {
      char message[128];
      std::snprintf(message, sizeof message, "the controller's %s is %g", name.c_str(), actual);
      fail(message);
      return false;
    }
  }
  return true;
}

void ScenarioRunner::fail(const std::string& message) {
  if (finished_) return;
  const ScenarioStep& step = scenario_.steps[current_];
  StepOutcome& outcome = outcomes_[current_];
  outcome.state = StepOutcome::State::Failed;
  outcome.endMs = host_.now();
  outcome.message = message;
  failure_ = scenario_.file + ":" + std::to_string(step.line) + ": step " + std::to_string(current_ + 1) +
             " (" + step.describe() + ") failed at " + SIM_FormatTimeMs(host_.now()) + ": " + message;
  failed_ = true;
  finished_ = true;
  waiting_ = Waiting::Nothing;
  host_.requestStop();
}

void ScenarioRunner::abandon(const std::string& reason) {
  if (finished_ || current_ >= scenario_.steps.size()) return;
  fail(reason);
}

bool ScenarioRunner::consumeTrace(const std::string& text) {
  const size_t pos = trace_.find(text, traceConsumed_);
  if (pos == std::string::npos) return false;
  traceConsumed_ = pos + text.size();
  if (traceConsumed_ > kTraceKeptBehind && traceWatches_.empty()) {
    trace_.erase(0, traceConsumed_);
    traceConsumed_ = 0;
  }
  return true;
}

bool ScenarioRunner::consumeSerial(const std::vector<uint8_t>& bytes) {
  const auto from = serial_.begin() + static_cast<std::ptrdiff_t>(serialConsumed_);
  const auto found = std::search(from, serial_.end(), bytes.begin(), bytes.end());
  if (found == serial_.end()) return false;
  serialConsumed_ = static_cast<size_t>(found - serial_.begin()) + bytes.size();
  return true;
}

std::string ScenarioRunner::unconsumedTraceTail() const {
  const size_t from =
      std::max(traceConsumed_, trace_.size() > kTraceTailShown ? trace_.size() - kTraceTailShown : 0);
  return trace_.substr(from);
}

std::string ScenarioRunner::unconsumedSerial() const {
  std::string list;
  char hex[8];
  for (size_t i = serialConsumed_; i < serial_.size(); ++i) {
    std::snprintf(hex, sizeof hex, "%s0x%02X", i == serialConsumed_ ? "" : ", ", serial_[i]);
    list += hex;
  }
  return list;
}

void ScenarioRunner::checkTraceWatches() {
  for (size_t index : traceWatches_) {
    const std::string& text = scenario_.steps[index].text;
    const size_t from = traceWatchedUpTo_ > text.size() ? traceWatchedUpTo_ - text.size() : 0;
    if (trace_.find(text, from) == std::string::npos) continue;
    const ScenarioStep& watch = scenario_.steps[index];
    fail("the trace contains \"" + printable(text) + "\", forbidden since " + scenario_.file + ":" +
         std::to_string(watch.line));
    return;
  }
  traceWatchedUpTo_ = trace_.size();
}

void ScenarioRunner::onTrace(uint64_t timeMs, const char* text) {
  if (forward_ != nullptr) forward_->onTrace(timeMs, text);
  if (finished_) return;
  trace_ += text;
  if (!traceWatches_.empty()) checkTraceWatches();
  if (waiting_ == Waiting::Trace && consumeTrace(scenario_.steps[current_].text)) resumeLater();
}

void ScenarioRunner::onSerialTransmit(uint64_t timeMs, uint8_t byte) {
  if (forward_ != nullptr) forward_->onSerialTransmit(timeMs, byte);
  if (finished_) return;
  serial_.push_back(byte);
  if (waiting_ == Waiting::Serial && consumeSerial(scenario_.steps[current_].bytes)) resumeLater();
}

void ScenarioRunner::onMessageBox(const char* text, const char* title) {
  if (forward_ != nullptr) forward_->onMessageBox(text, title);
}

void ScenarioRunner::onPanelRefreshed(uint64_t timeMs) {
  if (forward_ != nullptr) forward_->onPanelRefreshed(timeMs);
  if (finished_ || waiting_ != Waiting::Text || screen_ == nullptr) return;
  const ScenarioStep& step = scenario_.steps[current_];
  if (screen_->hasText(step.text, step.requireInverted)) resumeLater();
}
