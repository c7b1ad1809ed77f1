// The key port: what the hardkeys of the device picture (or a scenario)
// put on the unit's single key scan line, and the special simulation keys.
#pragma once

#include <cstdint>

// Hardkey numbers of the host. 0..7 are the eight keys, 8..12 the key
// combinations, 13..33 the special simulation keys.
constexpr uint8_t kHardkeyBack = 0;
constexpr uint8_t kHardkeyUp = 1;
constexpr uint8_t kHardkeyLeft = 2;
constexpr uint8_t kHardkeyOk = 3;
constexpr uint8_t kHardkeyRight = 4;
constexpr uint8_t kHardkeyDown = 5;
constexpr uint8_t kHardkeyHelp = 6;
constexpr uint8_t kHardkeyMenu = 7;
constexpr uint8_t kHardkeyOkUp = 8;
constexpr uint8_t kHardkeyOkDown = 9;
constexpr uint8_t kHardkeyMenuOk = 10;
constexpr uint8_t kHardkeyMenuDown = 11;
constexpr uint8_t kHardkeyOkBack = 12;
constexpr uint8_t kHardkeyDailyRestart = 13;
constexpr uint8_t kHardkeyResetRequest = 14;
constexpr uint8_t kHardkeyLastSpecial = 33;

// Registers the hardkey callback with the host.
void KEY_Init();
// The hardkey callback (host window thread, or the scenario runner).
void KEY_HardkeyChanged(uint8_t hardkey, bool pressed);
// Key scan side: read the port, write the scan-select output.
uint8_t KEY_ReadPort();
void KEY_WriteSelect(uint8_t select);
// Key code of a hardkey (0..12), 13 for the special keys and beyond.
uint8_t KEY_HardkeyToKeyCode(uint8_t hardkey);

void KEY_ProcessReset();
