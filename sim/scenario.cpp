#include "sim/scenario.h"

#include <yaml-cpp/yaml.h>

#include <fstream>
#include <sstream>

#include "platform/key_port.h"
#include "sim/controller/sim_controller.h"
#include "sim/duration.h"

namespace {

struct KeyName {
  const char* name;
  uint8_t hardkey;
};
constexpr KeyName kKeyNames[] = {
    {"back", kHardkeyBack},      {"up", kHardkeyUp},          {"left", kHardkeyLeft},
    {"ok", kHardkeyOk},          {"right", kHardkeyRight},    {"down", kHardkeyDown},
    {"help", kHardkeyHelp},      {"menu", kHardkeyMenu},      {"ok+up", kHardkeyOkUp},
    {"ok+down", kHardkeyOkDown}, {"menu+ok", kHardkeyMenuOk}, {"menu+down", kHardkeyMenuDown},
    {"ok+back", kHardkeyOkBack},
};

struct StepKeyword {
  const char* keyword;
  StepKind kind;
};
constexpr StepKeyword kStepKeywords[] = {
    {"delay", StepKind::Delay},
    {"press", StepKind::Press},
    {"hold", StepKind::Hold},
    {"release", StepKind::Release},
    {"wait-trace", StepKind::WaitTrace},
    {"expect-trace", StepKind::ExpectTrace},
    {"fail-trace", StepKind::FailTrace},
    {"write-serial", StepKind::WriteSerial},
    {"wait-serial", StepKind::WaitSerial},
    {"take-screenshot", StepKind::TakeScreenshot},
    {"expect-text", StepKind::ExpectText},
    {"expect-no-text", StepKind::ExpectNoText},
    {"wait-text", StepKind::WaitText},
    {"controller", StepKind::Controller},
    {"expect-controller", StepKind::ExpectController},
};

// Reports a problem with the position of the node it concerns.
class ParseError {
 public:
  ParseError(const YAML::Node& node, std::string message)
      : line(node.Mark().line + 1), text(std::move(message)) {}
  ParseError(int l, std::string message) : line(l), text(std::move(message)) {}
  int line;
  std::string text;
};

std::string scalarOf(const YAML::Node& node, const char* what) {
  if (!node.IsScalar()) throw ParseError(node, std::string(what) + " must be a plain value");
  return node.Scalar();
}

uint64_t durationOf(const YAML::Node& node, const char* what) {
  const std::string text = scalarOf(node, what);
  const auto ms = SIM_ParseDurationMs(text);
  if (!ms)
    throw ParseError(node,
                     "bad duration '" + text + "' for " + what + " (use a number with ms, s, min or h)");
  return *ms;
}

uint8_t keyOf(const YAML::Node& node) {
  const std::string name = scalarOf(node, "key");
  uint8_t hardkey = 0;
  if (!SIM_ParseKey(name, &hardkey))
    throw ParseError(node, "unknown key '" + name +
                               "' (use back, up, left, ok, right, down, help, menu, ok+up, ok+down, menu+ok, "
                               "menu+down, ok+back or a hardkey number 0..33)");
  return hardkey;
}

void rejectUnknownFields(const YAML::Node& map, std::initializer_list<const char*> allowed,
                         const std::string& step) {
  for (const auto& field : map) {
    const std::string name = field.first.as<std::string>();
    bool known = false;
    for (const char* a : allowed) known = known || name == a;
    if (!known) throw ParseError(field.first, "unknown field '" + name + "' in " + step);
  }
}

const YAML::Node required(const YAML::Node& map, const char* field, const std::string& step) {
  const YAML::Node node = map[field];
  if (!node) throw ParseError(map, step + " needs '" + field + "'");
  return node;
}

std::vector<uint8_t> bytesOf(const YAML::Node& node) {
  if (!node.IsSequence() || node.size() == 0)
    throw ParseError(node, "bytes must be a non-empty list such as [0x05]");
  std::vector<uint8_t> bytes;
  for (const auto& item : node) {
    const std::string text = scalarOf(item, "byte");
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (end == text.c_str() || *end != 0 || value < 0 || value > 255)
      throw ParseError(item, "bad byte '" + text + "' (0..255, decimal or 0x..)");
    bytes.push_back(static_cast<uint8_t>(value));
  }
  return bytes;
}

// `expect-trace: "x"` or `expect-trace: {text: "x", timeout: 2s}`; also `inverted` for screen text.
void readTextStep(const YAML::Node& value, ScenarioStep* step, bool withTimeout, bool withInverted) {
  if (value.IsScalar()) {
    step->text = value.Scalar();
    return;
  }
  if (!value.IsMap()) throw ParseError(value, step->keyword + " takes a text or {text: ...}");
  std::initializer_list<const char*> fields = {"text", "timeout", "inverted"};
  rejectUnknownFields(value, fields, step->keyword);
  step->text = scalarOf(required(value, "text", step->keyword), "text");
  if (value["timeout"]) {
    if (!withTimeout) throw ParseError(value["timeout"], step->keyword + " has no timeout");
    step->durationMs = durationOf(value["timeout"], "timeout");
  }
  if (value["inverted"]) {
    if (!withInverted) throw ParseError(value["inverted"], step->keyword + " has no 'inverted'");
    step->requireInverted = value["inverted"].as<bool>();
  }
}

bool boolOf(const YAML::Node& node) {
  const std::string text = scalarOf(node, "switch");
  if (text == "on" || text == "true" || text == "yes") return true;
  if (text == "off" || text == "false" || text == "no") return false;
  throw ParseError(node, "bad switch value '" + text + "' (on or off)");
}

// `controller: {fault: on, silent: true}`
void readControllerSwitches(const YAML::Node& value, ScenarioStep* step) {
  if (!value.IsMap() || value.size() == 0)
    throw ParseError(value, "controller takes a map such as {fault: on}");
  for (const auto& field : value) {
    const std::string name = field.first.as<std::string>();
    if (!simctl::SimController::isSwitch(name))
      throw ParseError(field.first, "unknown controller switch '" + name + "' (use " +
                                        simctl::SimController::switchNames() + ")");
    step->switches.emplace_back(name, boolOf(field.second));
  }
}

// `expect-controller: {room-setpoint-hc1: 21.5}`
void readControllerValues(const YAML::Node& value, ScenarioStep* step) {
  if (!value.IsMap() || value.size() == 0)
    throw ParseError(value, "expect-controller takes a map such as {room-setpoint-hc1: 21.5}");
  for (const auto& field : value) {
    const std::string name = field.first.as<std::string>();
    if (!simctl::SimController::isValue(name))
      throw ParseError(field.first, "unknown controller value '" + name + "' (use " +
                                        simctl::SimController::valueNames() + ")");
    const std::string text = scalarOf(field.second, "value");
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != 0) throw ParseError(field.second, "bad number '" + text + "'");
    step->values.emplace_back(name, number);
  }
}

void readStep(const std::string& keyword, const YAML::Node& value, ScenarioStep* step) {
  switch (step->kind) {
    case StepKind::Delay:
      step->durationMs = durationOf(value, "delay");
      return;
    case StepKind::Press:
    case StepKind::Release:
      step->hardkey = keyOf(value);
      step->durationMs = step->kind == StepKind::Press ? kPressDurationMs : 0;
      return;
    case StepKind::Hold:
      if (value.IsScalar()) {
        step->hardkey = keyOf(value);
        step->holdUntilRelease = true;
        return;
      }
      if (!value.IsMap()) throw ParseError(value, "hold takes a key or {key: ok, for: 4s}");
      rejectUnknownFields(value, {"key", "for"}, keyword);
      step->hardkey = keyOf(required(value, "key", keyword));
      if (value["for"]) {
        step->durationMs = durationOf(value["for"], "for");
      } else {
        step->holdUntilRelease = true;
      }
      return;
    case StepKind::WaitTrace:
    case StepKind::WaitText:
      step->durationMs = kDefaultWaitTimeoutMs;
      readTextStep(value, step, true, step->kind == StepKind::WaitText);
      return;
    case StepKind::ExpectTrace:
    case StepKind::FailTrace:
      readTextStep(value, step, false, false);
      return;
    case StepKind::ExpectText:
    case StepKind::ExpectNoText:
      readTextStep(value, step, false, true);
      return;
    case StepKind::WriteSerial:
      step->bytes = bytesOf(value);
      return;
    case StepKind::WaitSerial:
      step->durationMs = kDefaultWaitTimeoutMs;
      if (value.IsSequence()) {
        step->bytes = bytesOf(value);
        return;
      }
      if (!value.IsMap()) throw ParseError(value, "wait-serial takes [bytes] or {bytes: [...], timeout: 2s}");
      rejectUnknownFields(value, {"bytes", "timeout"}, keyword);
      step->bytes = bytesOf(required(value, "bytes", keyword));
      if (value["timeout"]) step->durationMs = durationOf(value["timeout"], "timeout");
      return;
    case StepKind::TakeScreenshot:
      if (value.IsScalar()) {
        step->saveTo = value.Scalar();
        return;
      }
      if (!value.IsMap())
        throw ParseError(value, "take-screenshot takes a file or {save-to: a.png, compare-with: b.png}");
      rejectUnknownFields(value, {"save-to", "compare-with"}, keyword);
      if (value["save-to"]) step->saveTo = scalarOf(value["save-to"], "save-to");
      if (value["compare-with"]) step->compareWith = scalarOf(value["compare-with"], "compare-with");
      if (step->saveTo.empty() && step->compareWith.empty())
        throw ParseError(value, "take-screenshot needs save-to or compare-with");
      return;
    case StepKind::Controller:
      readControllerSwitches(value, step);
      return;
    case StepKind::ExpectController:
      readControllerValues(value, step);
      return;
  }
}

ScenarioStep parseStep(const YAML::Node& item) {
  if (!item.IsMap() || item.size() != 1)
    throw ParseError(item, "a step is one key with its value, for example '- delay: 5s'");
  const auto entry = item.begin();
  ScenarioStep step;
  step.line = entry->first.Mark().line + 1;
  step.keyword = entry->first.as<std::string>();
  bool known = false;
  for (const StepKeyword& k : kStepKeywords) {
    if (step.keyword != k.keyword) continue;
    step.kind = k.kind;
    known = true;
  }
  if (!known) throw ParseError(entry->first, "unknown step '" + step.keyword + "'");
  readStep(step.keyword, entry->second, &step);
  return step;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

bool SIM_ParseKey(const std::string& name, uint8_t* hardkey) {
  for (const KeyName& k : kKeyNames) {
    if (name == k.name) {
      *hardkey = k.hardkey;
      return true;
    }
  }
  if (name.empty() || name.size() > 2) return false;
  for (char c : name)
    if (c < '0' || c > '9') return false;
  const int number = std::stoi(name);
  if (number > kHardkeyLastSpecial) return false;
  *hardkey = static_cast<uint8_t>(number);
  return true;
}

bool SIM_ParseScenario(const std::string& yamlText, const std::string& fileName, Scenario* scenario,
                       std::string* error) {
  scenario->file = fileName;
  scenario->steps.clear();
  try {
    const YAML::Node root = YAML::Load(yamlText);
    if (!root.IsMap()) throw ParseError(root, "a scenario is a map with 'name' and 'steps'");
    for (const auto& field : root) {
      const std::string key = field.first.as<std::string>();
      if (key != "name" && key != "steps" && key != "description")
        throw ParseError(field.first,
                         "unknown field '" + key + "' (a scenario has name, description and steps)");
    }
    scenario->name = root["name"] ? scalarOf(root["name"], "name") : fileName;
    const YAML::Node steps = root["steps"];
    if (!steps) throw ParseError(root, "the scenario has no 'steps'");
    if (!steps.IsSequence()) throw ParseError(steps, "'steps' must be a list");
    for (const auto& item : steps) scenario->steps.push_back(parseStep(item));
  } catch (const ParseError& e) {
    *error = fileName + ":" + std::to_string(e.line) + ": " + e.text;
    return false;
  } catch (const YAML::Exception& e) {
    *error = fileName + ":" + std::to_string(e.mark.line + 1) + ": " + e.msg;
    return false;
  }
  return true;
}

bool SIM_LoadScenario(const std::string& path, Scenario* scenario, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = path + ": cannot read the scenario file";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return SIM_ParseScenario(text.str(), path, scenario, error);
}

std::string ScenarioStep::describe() const {
  switch (kind) {
    case StepKind::WaitTrace:
    case StepKind::ExpectTrace:
    case StepKind::FailTrace:
    case StepKind::ExpectText:
    case StepKind::ExpectNoText:
    case StepKind::WaitText:
      return keyword + ": " + quoted(text) + (requireInverted ? " (inverted)" : "");
    case StepKind::WriteSerial:
    case StepKind::WaitSerial: {
      std::string list;
      char hex[8];
      for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%s0x%02X", list.empty() ? "" : ", ", b);
        list += hex;
      }
      return keyword + ": [" + list + "]";
    }
    case StepKind::TakeScreenshot:
      return keyword + ": " + (saveTo.empty() ? compareWith : saveTo);
    case StepKind::Press:
    case StepKind::Release:
    case StepKind::Hold:
      return keyword + ": hardkey " + std::to_string(hardkey);
    case StepKind::Delay:
      return keyword + ": " + std::to_string(durationMs) + " ms";
    case StepKind::Controller:
    case StepKind::ExpectController: {
      std::string list;
      for (const auto& [name, on] : switches)
        list += (list.empty() ? "" : ", ") + name + (on ? ": on" : ": off");
      for (const auto& [name, v] : values) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", v);
        list += (list.empty() ? "" : ", ") + name + ": " + number;
      }
      return keyword + ": {" + list + "}";
    }
  }
  return keyword;
}
