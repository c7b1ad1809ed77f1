// Trace lines with virtual time stamps, written to a file as they come.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class TraceLog {
 public:
  TraceLog() = default;
  ~TraceLog();
  TraceLog(const TraceLog&) = delete;
  TraceLog& operator=(const TraceLog&) = delete;

  bool open(const std::string& path, std::string* error);
  // Every line the firmware starts gets "[hh:mm:ss.mmm] " in front.
  void write(uint64_t timeMs, const char* text);
  void close();

 private:
  FILE* file_ = nullptr;
  bool atLineStart_ = true;
};
