// Shared state of the menu machine: the menu flags, the menu monitor record
// and the durations of the menu time-outs.
#pragma once

#include <cstdint>

#include "kernel/hsm.h"

// Timer durations in ticks of 100 ms.
constexpr uint32_t kIdleTimeoutShort = 1200;    // 2 min
constexpr uint32_t kIdleTimeoutLong = 18000;    // 30 min
constexpr uint32_t kServiceTimeout = 18000;     // 30 min
constexpr uint32_t kScreenSaverTimeout = 3000;  // 5 min
constexpr uint32_t kHintTimeout = 40;           // 4 s
constexpr uint32_t kFeedbackHintTimeout = 20;   // 2 s

// Init parameters of menu states.
constexpr uint32_t kInitFresh = 3;
constexpr uint32_t kInitReturn = 4;
constexpr uint32_t kInitRedraw = 5;

struct MenuFlags {
  uint8_t serviceMode;
  uint8_t longTimeout;
  uint8_t codingLevel2;
};

// Cleared at every start of the firmware.
void MEN_ClearState();

MenuFlags& MEN_Flags();
// The idle duration that applies now.
uint32_t MEN_IdleDuration();
void MEN_EndServiceMode();

// What the menu monitor recorded when it was last exited.
void MEN_RecordExit(StateHandler leaf, StateHandler belowMonitor);
StateHandler MEN_LastLeaf();
StateHandler MEN_LastBelowMonitor();

// Screen saver animation angle (0..180 degrees).
uint8_t MEN_SaverAngle();
void MEN_SetSaverAngle(uint32_t angle);

// States travel as event parameters (signals 6 and 7) by a small token.
uint32_t MEN_StateToken(StateHandler state);
StateHandler MEN_StateFromToken(uint32_t token);
