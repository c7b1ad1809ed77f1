#include "sim/trace_log.h"

#include <cerrno>
#include <cstring>

#include "sim/duration.h"

TraceLog::~TraceLog() { close(); }

bool TraceLog::open(const std::string& path, std::string* error) {
  close();
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  atLineStart_ = true;
  return true;
}

void TraceLog::write(uint64_t timeMs, const char* text) {
  if (file_ == nullptr) return;
  for (const char* p = text; *p != 0; ++p) {
    if (*p == '\n') {
      if (!atLineStart_) std::fputc('\n', file_);
      atLineStart_ = true;
      continue;
    }
    if (atLineStart_) {
      std::fprintf(file_, "[%s] ", SIM_FormatTimeMs(timeMs).c_str());
      atLineStart_ = false;
    }
    std::fputc(*p, file_);
  }
}

void TraceLog::close() {
  if (file_ == nullptr) return;
  if (!atLineStart_) std::fputc('\n', file_);
  std::fclose(file_);
  file_ = nullptr;
}
