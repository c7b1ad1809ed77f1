// The reset screen shown just before the unit restarts.
#pragma once

#include <cstdint>

void MEN_DrawResetScreen(uint8_t reason);
