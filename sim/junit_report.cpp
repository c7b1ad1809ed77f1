#include "sim/junit_report.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string escapeXml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += "&#10;";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
          out += ' ';
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string seconds(uint64_t ms) {
  std::ostringstream s;
  s << ms / 1000 << '.' << (ms % 1000) / 100 << (ms % 100) / 10 << ms % 10;
  return s.str();
}

}  // namespace

std::string SIM_JUnitXml(const Scenario& scenario, const std::vector<StepOutcome>& outcomes) {
  size_t failures = 0;
  size_t skipped = 0;
  uint64_t endMs = 0;
  for (const StepOutcome& o : outcomes) {
    failures += o.state == StepOutcome::State::Failed ? 1 : 0;
    skipped += o.state == StepOutcome::State::NotRun ? 1 : 0;
    endMs = std::max(endMs, o.endMs);
  }
  std::ostringstream xml;
  xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<testsuites>\n"
      << "  <testsuite name=\"" << escapeXml(scenario.name) << "\" tests=\"" << outcomes.size()
      << "\" failures=\"" << failures << "\" skipped=\"" << skipped << "\" time=\"" << seconds(endMs)
      << "\">\n";
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const ScenarioStep& step = scenario.steps[i];
    const StepOutcome& o = outcomes[i];
    xml << "    <testcase classname=\"" << escapeXml(scenario.name) << "\" name=\"step " << i + 1 << ": "
        << escapeXml(step.describe()) << " (" << escapeXml(scenario.file) << ":" << step.line << ")\" time=\""
        << seconds(o.endMs >= o.startMs ? o.endMs - o.startMs : 0) << "\"";
    if (o.state == StepOutcome::State::Passed) {
      xml << "/>\n";
      continue;
    }
    xml << ">\n";
    if (o.state == StepOutcome::State::Failed) {
      xml << "      <failure message=\"" << escapeXml(o.message) << "\"/>\n";
    } else {
      xml << "      <skipped/>\n";
    }
    xml << "    </testcase>\n";
  }
  xml << "  </testsuite>\n</testsuites>\n";
  return xml.str();
}

bool SIM_WriteJUnit(const std::string& path, const Scenario& scenario,
                    const std::vector<StepOutcome>& outcomes, std::string* error) {
  std::ofstream out(path, std::ios::binary);
  if (!out) {
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  out << SIM_JUnitXml(scenario, outcomes);
  return static_cast<bool>(out);
}
