// The simulated panel: the picture the display shows, shared between the
// firmware (which writes it on every refresh) and the host (which paints it).
#pragma once

#include <atomic>
#include <cstdint>

struct PanelMemory {
  static constexpr int kWidth = 240;
  static constexpr int kHeight = 160;

  // Bumped after every write, so that the host knows when to repaint.
  std::atomic<uint32_t> modificationCount{0};
  // 0xRRGGBB of pixel value 0 (dark) and of any other value (light).
  std::atomic<uint32_t> darkShade{0x000000};
  std::atomic<uint32_t> lightShade{0x4F4F4F};
  uint8_t pixels[kHeight][kWidth] = {};
};
