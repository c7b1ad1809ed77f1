// Collects the unit's trace text from any thread; the window thread takes
// it in batches, so a burst of traces costs one update of the trace window.
#pragma once

#include <mutex>
#include <string>

class TraceSink {
 public:
  static constexpr size_t kMaxPending = 256 * 1024;

  void setEcho(bool on) { echo_ = on; }
  void write(const char* text);
  // Everything written since the last call.
  std::string take();

 private:
  std::mutex mutex_;
  std::string pending_;
  bool echo_ = false;
};
