#include "sim/screen_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/panel_memory.h"

namespace screen_text {

namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

}  // namespace

std::vector<Run> runs(const PanelMemory& panel) {
  std::vector<Run> out;
  const int count = std::clamp(panel.textRunCount, 0, PanelMemory::kMaxTextRuns);
  for (int i = 0; i < count; ++i) {
    const PanelTextRun& r = panel.textRuns[i];
    // The text is zero-terminated within its array; never read past it.
    const size_t length = std::find(r.text, r.text + PanelTextRun::kMaxTextBytes, '\0') - r.text;
    out.push_back(Run{std::string(r.text, length), r.x0, r.y0, r.x1, r.y1, r.inverted});
  }
  return out;
}

std::vector<Run> find(const PanelMemory& panel, std::string_view needle, bool invertedOnly) {
  std::vector<Run> found;
  for (Run& run : runs(panel)) {
    if (invertedOnly && !run.inverted) continue;
    if (run.text.find(needle) != std::string::npos) found.push_back(std::move(run));
  }
  return found;
}

std::string format(const Run& run) {
  char place[48];
  std::snprintf(place, sizeof place, "[%3d,%3d..%3d,%3d] %s ", run.x0, run.y0, run.x1, run.y1,
                run.inverted ? "inv" : "   ");
  return place + quoted(run.text);
}

std::string dump(const PanelMemory& panel) {
  std::vector<Run> all = runs(panel);
  std::stable_sort(all.begin(), all.end(),
                   [](const Run& a, const Run& b) { return a.y0 != b.y0 ? a.y0 < b.y0 : a.x0 < b.x0; });
  std::string out;
  for (const Run& run : all) out += format(run) + '\n';
  return out;
}

}  // namespace screen_text
