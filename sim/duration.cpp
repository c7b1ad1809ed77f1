#include "sim/duration.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace {
struct Unit {
  const char* name;
  uint64_t ms;
};
constexpr Unit kUnits[] = {{"ms", 1}, {"s", 1000}, {"min", 60000}, {"h", 3600000}};
}  // namespace

std::optional<uint64_t> SIM_ParseDurationMs(const std::string& text) {
  size_t i = 0;
  uint64_t value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) {
    if (value > std::numeric_limits<uint64_t>::max() / 10) return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    ++i;
  }
  if (i == 0) return std::nullopt;
  const std::string unit = text.substr(i);
  for (const Unit& u : kUnits) {
    if (unit != u.name) continue;
    if (value > std::numeric_limits<uint64_t>::max() / u.ms) return std::nullopt;
    return value * u.ms;
  }
  return std::nullopt;
}

std::string SIM_FormatTimeMs(uint64_t ms) {
  char text[48];
  std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu.%03llu",
                static_cast<unsigned long long>(ms / 3600000),
                static_cast<unsigned long long>(ms / 60000 % 60),
                static_cast<unsigned long long>(ms / 1000 % 60), static_cast<unsigned long long>(ms % 1000));
  return text;
}
