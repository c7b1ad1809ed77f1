#include "sim/panel_checks.h"

#include <filesystem>

#include "sim/panel_image.h"
#include "sim/screen_text.h"

namespace {
std::string diffPathFor(const ScenarioStep& step) {
  const std::filesystem::path base = step.saveTo.empty() ? std::filesystem::path(step.compareWith).filename()
                                                         : std::filesystem::path(step.saveTo);
  std::filesystem::path diff = base;
  diff.replace_extension(".diff.png");
  return diff.string();
}
}  // namespace

PanelChecks::PanelChecks(const PanelMemory& panel, int zoom, std::string goldenDirectory)
    : panel_(panel), zoom_(zoom), goldenDirectory_(std::move(goldenDirectory)) {}

bool PanelChecks::screenshot(const ScenarioStep& step, std::string* message) {
  const panel_image::Image image = panel_image::render(panel_, zoom_);
  if (!step.saveTo.empty()) {
    const std::filesystem::path parent = std::filesystem::path(step.saveTo).parent_path();
    std::error_code ignored;
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
    if (const std::string error = panel_image::savePng(image, step.saveTo); !error.empty()) {
      *message = error;
      return false;
    }
  }
  if (step.compareWith.empty()) return true;
  const std::filesystem::path golden = std::filesystem::path(goldenDirectory_) / step.compareWith;
  const std::string diffPath = diffPathFor(step);
  const panel_image::Comparison result = panel_image::compareWithPng(golden.string(), image, diffPath);
  if (!result.error.empty()) {
    *message = result.error;
    return false;
  }
  if (result.differing == 0) return true;
  *message = std::to_string(result.differing) + " pixels differ from " + golden.string() +
             " (diff picture: " + diffPath + ")";
  return false;
}

bool PanelChecks::hasText(const std::string& text, bool requireInverted) {
  return !screen_text::find(panel_, text, requireInverted).empty();
}

std::string PanelChecks::describeScreen() { return screen_text::dump(panel_); }
