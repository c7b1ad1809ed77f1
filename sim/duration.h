// Durations as scenario files and options write them: "250ms", "5s", "2min", "24h".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

std::optional<uint64_t> SIM_ParseDurationMs(const std::string& text);
// "1h 02min 03.250s" style, for messages.
std::string SIM_FormatTimeMs(uint64_t ms);
