#include "platform/trace.h"

#include <cstdio>
#include <cwchar>

#include "platform/host_services.h"

namespace {
constexpr int kTraceBufferSize = 256;
}

void TRC_VPrintf(const char* format, va_list args) {
  if (format == nullptr) return;
  char buffer[kTraceBufferSize];
  vsnprintf(buffer, sizeof buffer, format, args);
  HOST().trace(buffer);
}

void TRC_Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  TRC_VPrintf(format, args);
  va_end(args);
}

void TRC_WPrintf(const wchar_t* format, ...) {
  if (format == nullptr) return;
  wchar_t wide[kTraceBufferSize];
  va_list args;
  va_start(args, format);
  vswprintf(wide, kTraceBufferSize, format, args);
  va_end(args);
  // The host sink takes UTF-8.
  char narrow[kTraceBufferSize * 4];
  size_t out = 0;
  for (const wchar_t* w = wide; *w != 0 && out + 4 < sizeof narrow; ++w) {
    const auto c = static_cast<uint32_t>(*w);
    if (c < 0x80) {
      narrow[out++] = static_cast<char>(c);
    } else if (c < 0x800) {
      narrow[out++] = static_cast<char>(0xC0 | (c >> 6));
      narrow[out++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
      narrow[out++] = static_cast<char>(0xE0 | ((c >> 12) & 0x0F));
      narrow[out++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      narrow[out++] = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  narrow[out] = 0;
  HOST().trace(narrow);
}
