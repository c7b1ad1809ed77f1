// The host's log text: bounded, trimmed by whole lines from the top.
// The character 0x01 starts a highlighted (red) segment.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr char kLogHighlight = '\x01';

class LogBuffer {
 public:
  static constexpr size_t kCapacity = 5000;

  void append(std::string_view text);
  void clear() { text_.clear(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};
