#include "menus/reset_screen.h"

#include "platform/trace.h"

// Drawn by the graphics layer once it exists; until then the reason is traced.
void MEN_DrawResetScreen(uint8_t reason) { TRC_Printf("\n*RESET SCREEN: Code: %d", reason); }
