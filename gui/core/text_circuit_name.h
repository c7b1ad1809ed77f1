// The user's names of the heating circuits, which replace texts 116 and 117
// when present. The controller data image answers this.
#pragma once

#include <cstdint>

#include "gui/core/text.h"

constexpr int kCircuitNameUnits = 20;

// The 20 UTF-16 code units of the name stored for text 116 (circuit 1) or
// 117 (circuit 2) when one is stored and was entered in the current
// language; nullptr otherwise.
const uint16_t* DAT_CircuitNameForText(TextId id);
