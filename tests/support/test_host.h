// A virtual-time host for tests: records traces, serial output and message
// boxes, and boots the unit afresh in this process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/virtual_time_host.h"

class TestHost : public VirtualTimeHost::Listener {
 public:
  // 2026-12-10 08:00:00 local time.
  static constexpr int64_t kDefaultStart = 1796889600;

  explicit TestHost(int64_t startLocalSeconds = kDefaultStart);
  ~TestHost() override;

  // Boots the unit and runs it until `ms` of virtual time have passed.
  void runUnitFor(uint64_t ms);
  // Schedules `action` at virtual time `ms` (before or during a run).
  template <typename F>
  void at(uint64_t ms, F&& action) {
    host.schedule(ms, std::forward<F>(action));
  }

  // Number of times `needle` occurs in the traces.
  size_t traceCount(const std::string& needle) const;

  void onTrace(uint64_t timeMs, const char* text) override;
  void onSerialTransmit(uint64_t timeMs, uint8_t byte) override;
  void onMessageBox(const char* text, const char* title) override;

  VirtualTimeHost host;
  std::string traces;
  std::vector<uint8_t> serialOut;
  std::vector<std::string> messageBoxes;
};
