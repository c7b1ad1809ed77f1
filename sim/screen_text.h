// The texts on the simulated panel, as the display driver recorded them
// with its last refresh.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PanelMemory;

namespace screen_text {

struct Run {
  std::string text;  // UTF-8
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  bool inverted = false;
};

std::vector<Run> runs(const PanelMemory& panel);
// Runs whose text contains `needle`; with `invertedOnly` only the inverted ones.
std::vector<Run> find(const PanelMemory& panel, std::string_view needle, bool invertedOnly = false);
// One readable line, e.g. `[  0, 28..239, 53] inv "Heizung"`.
std::string format(const Run& run);
// Every run on a line of its own, top to bottom, left to right.
std::string dump(const PanelMemory& panel);

}  // namespace screen_text
