// The simulated panel: the picture the display shows, shared between the
// firmware (which writes it on every refresh) and the host (which paints it).
#pragma once

#include <atomic>
#include <cstdint>

// One text run on the panel: its UTF-8 text (cut to fit, zero-terminated),
// the rectangle it covers and whether it shows dark ink on a light ground.
struct PanelTextRun {
  static constexpr int kMaxTextBytes = 128;
  int16_t x0;
  int16_t y0;
  int16_t x1;
  int16_t y1;
  bool inverted;
  char text[kMaxTextBytes];
};

struct PanelMemory {
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 160;

  // Bumped after every write, so that the host knows when to repaint.
  std::atomic<uint32_t> modificationCount{0};
  // 0xRRGGBB of pixel value 0 (dark) and of any other value (light).
  std::atomic<uint32_t> darkShade{0x000000};
  std::atomic<uint32_t> lightShade{0x4F4F4F};
  uint8_t pixels[kHeight][kWidth] = {};

  // The texts shown, as of the last refresh (copied on every refresh).
  static constexpr int kMaxTextRuns = 48;
  PanelTextRun textRuns[kMaxTextRuns] = {};
  int textRunCount = 0;
};
