// Fixture for graphics tests: a virtual-time host that records error
// reports and delays, a freshly started graphics layer with UTF-8 texts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/core/gui.h"
#include "sim/virtual_time_host.h"

class RecordingHost : public VirtualTimeHost, public VirtualTimeHost::Listener {
 public:
  RecordingHost() : VirtualTimeHost(0) { setListener(this); }
  void delayMs(uint32_t ms) override {
    delays.push_back(ms);
    VirtualTimeHost::delayMs(ms);
  }
  void onError(uint64_t, const char* message) override { errors.emplace_back(message); }
  void onPanelRefreshed(uint64_t) override { ++refreshes; }

  std::vector<uint32_t> delays;
  std::vector<std::string> errors;
  int refreshes = 0;
};

class GfxTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // True when the frame buffer pixel is not 0 (light on the panel).
  static bool lit(int x, int y);
  // Number of light pixels in the inclusive rectangle.
  static int litCount(int x0, int y0, int x1, int y1);

  RecordingHost host;
};
