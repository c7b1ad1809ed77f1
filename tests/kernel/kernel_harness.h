// Runs the timer and key tasks without the menus: active object 1 is a
// recorder that keeps every event it receives with its virtual time.
#pragma once

#include <cstdint>
#include <vector>

#include "kernel/hsm.h"
#include "tests/support/test_host.h"

struct RecordedEvent {
  uint64_t timeMs;
  Signal sig;
  uint32_t par;
};

class KernelHarness {
 public:
  KernelHarness();
  ~KernelHarness();

  // Advances virtual time, dispatching every `stepMs` (the unit's own loop uses 100).
  void runFor(uint64_t ms, uint32_t stepMs = 1);
  std::vector<RecordedEvent> eventsOf(Signal sig) const;
  std::vector<RecordedEvent> events() const { return recorded; }
  void clearEvents() { recorded.clear(); }

  TestHost test;
  static std::vector<RecordedEvent> recorded;
};
