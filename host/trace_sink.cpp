#include "host/trace_sink.h"

#include <cstdio>

void TraceSink::write(const char* text) {
  if (echo_) std::fputs(text, stderr);
  std::lock_guard<std::mutex> lock(mutex_);
  // Nobody reading (no trace window open): keep only the newest text.
  if (pending_.size() > kMaxPending) pending_.erase(0, pending_.size() - kMaxPending / 2);
  pending_ += text;
}

std::string TraceSink::take() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string out;
  out.swap(pending_);
  return out;
}
