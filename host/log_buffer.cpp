#include "host/log_buffer.h"

void LogBuffer::append(std::string_view text) {
  // A text that alone exceeds the capacity keeps only its tail.
  if (text.size() > kCapacity) text = text.substr(text.size() - kCapacity);
  while (!text_.empty() && text_.size() + text.size() > kCapacity) {
    const size_t lineEnd = text_.find('\n');
    // A buffer without a line break is one line: it goes as a whole.
    text_.erase(0, lineEnd == std::string::npos ? text_.size() : lineEnd + 1);
  }
  text_.append(text);
}
