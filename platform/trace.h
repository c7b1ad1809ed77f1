// Trace output: formatted lines to the host's trace sink.
#pragma once

#include <cstdarg>

// Formats into a 256-character buffer and hands it to the host. A null
// format writes nothing.
void TRC_Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void TRC_VPrintf(const char* format, va_list args);
// Wide-character variant for wide texts (256 wide characters).
void TRC_WPrintf(const wchar_t* format, ...);
