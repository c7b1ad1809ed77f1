// The German texts built into the program (generated from the German
// template at build time), indexed by text id.
#pragma once

#include <cstdint>

constexpr uint16_t kTextCount = 395;

extern const char* const TXT_GermanTexts[kTextCount];
