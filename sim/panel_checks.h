// Screen steps of scenarios against a panel memory: screenshots with
// pixel-exact comparison, and the texts on the panel.
#pragma once

#include <string>

#include "sim/scenario_runner.h"

struct PanelMemory;

class PanelChecks : public ScreenChecks {
 public:
  // Golden pictures (`compare-with`) are looked up relative to `goldenDirectory`.
  PanelChecks(const PanelMemory& panel, int zoom, std::string goldenDirectory);

  bool screenshot(const ScenarioStep& step, std::string* message) override;
  bool hasText(const std::string& text, bool requireInverted) override;
  std::string describeScreen() override;

 private:
  const PanelMemory& panel_;
  int zoom_;
  std::string goldenDirectory_;
};
