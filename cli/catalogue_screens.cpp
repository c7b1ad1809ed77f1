#include "cli/catalogue_screens.h"

#include "platform/key_port.h"

namespace {

// The basic display menu is up 10.25 s after the start.
constexpr uint64_t kReady = 11000;
constexpr uint64_t kGap = 400;

CatalogueStep key(uint64_t atMs, int hardkey) { return {atMs, hardkey, 0, false}; }

// Presses `keys` one after another from `startMs`.
std::vector<CatalogueStep> presses(uint64_t startMs, std::initializer_list<int> keys) {
  std::vector<CatalogueStep> steps;
  uint64_t at = startMs;
  for (int k : keys) {
    steps.push_back(key(at, k));
    at += kGap;
  }
  return steps;
}

uint64_t after(uint64_t startMs, size_t keys) { return startMs + keys * kGap + 500; }

}  // namespace

const std::vector<CatalogueScreen>& CLI_CatalogueScreens() {
  static const std::vector<CatalogueScreen> screens = [] {
    const int down = kHardkeyDown, ok = kHardkeyOk, help = kHardkeyHelp;
    const int menu = kHardkeyMenu, right = kHardkeyRight;
    std::vector<CatalogueScreen> s;
    s.push_back({"startup_progress", "Start-up: progress bar", {}, 2000});
    s.push_back({"startup_version", "Start-up: Help shows the version", presses(1000, {help}), 1600});
    s.push_back({"basic_display", "Basic display menu", {}, kReady});
    s.push_back({"basic_display_end", "Basic display menu, last line",
                 presses(kReady, {down, down, down, down, down}), after(kReady, 5)});
    s.push_back({"heating_menu", "Heating menu: room set-point", presses(kReady, {ok}), after(kReady, 1)});
    s.push_back({"heating_menu_program", "Heating menu: operating program", presses(kReady, {ok, down}),
                 after(kReady, 2)});
    s.push_back({"heating_menu_party", "Heating menu: party mode", presses(kReady, {ok, down, down}),
                 after(kReady, 3)});
    s.push_back({"circuit_feedback", "Circuit feedback", presses(kReady, {ok, right}), after(kReady, 2)});
    s.push_back({"main_menu", "Main menu", presses(kReady, {menu}), after(kReady, 1)});
    s.push_back({"main_menu_end", "Main menu, last line", presses(kReady, {menu, down, down, down, down}),
                 after(kReady, 5)});
    s.push_back({"help_heating", "Help: Heizung (scrolls)", presses(kReady, {help}), after(kReady, 1)});
    s.push_back({"help_heating_scrolled", "Help: Heizung, scrolled", presses(kReady, {help, down}),
                 after(kReady, 2)});
    s.push_back({"help_information", "Help: Information", presses(kReady, {down, down, down, help}),
                 after(kReady, 4)});
    s.push_back({"help_keys", "Help: key overview", presses(kReady, {down, down, down, down, down, ok}),
                 after(kReady, 6)});
    CatalogueScreen saver{"screen_saver", "Screen saver", {}, kReady + 1500};
    saver.steps.push_back({kReady, -1, 0, true});
    s.push_back(saver);
    CatalogueScreen service{"main_menu_service", "Main menu in service mode", {}, 0};
    service.steps.push_back({kReady, kHardkeyMenuOk, 4500, false});
    for (const CatalogueStep& step : presses(kReady + 5000, {menu, down, down, down, down}))
      service.steps.push_back(step);
    service.snapshotMs = after(kReady + 5000, 5);
    s.push_back(service);
    return s;
  }();
  return screens;
}
