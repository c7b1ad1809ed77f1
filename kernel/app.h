// Life cycle of the firmware: start-up, run loop and restart.
#pragma once

#include <cstdint>

using StartKind = uint8_t;
constexpr StartKind kStartCold = 1;
constexpr StartKind kStartWarm = 2;
constexpr StartKind kStartControllerReset = 3;
constexpr StartKind kStartErrorRestart = 4;

constexpr uint32_t kResetMagicValid = 0x12345678;
constexpr uint32_t kGuardWordValue = 0xC7C7C7C7;
constexpr uint8_t kInitialAliveMask = 0x3C;

// Reset reasons.
constexpr uint8_t kResetNone = 0;
constexpr uint8_t kResetDaily = 1;
constexpr uint8_t kResetController = 2;
constexpr uint8_t kResetLinkSupervision = 32;
constexpr uint8_t kResetGuardWord = 35;
constexpr uint8_t kResetUnknownReason = 37;

void APP_MainTask();
void APP_Cycle();
StartKind APP_Init();
void APP_Start(StartKind kind);
void APP_Run();
void APP_RequestRestart();

StartKind SYS_Init();
void SYS_StartTasks(StartKind kind);
void SYS_Alive(uint8_t bit);

uint8_t SYS_GetResetReason();
void SYS_SetResetReason(uint8_t reason);
uint16_t SYS_GetStartMarker();
void SYS_SetStartMarker(uint16_t marker);
bool SYS_IsGuardWordDamaged();
uint32_t SYS_GetScreenSaverRequest();
void SYS_SetScreenSaverRequest(uint32_t request);
uint8_t SYS_GetAliveMask();
// ResetMagic is cleared by the hardware check before it restarts the unit.
void SYS_ClearResetMagic();
// For tests: overwrite the guard word as a stray write would.
void SYS_DamageGuardWord();

// Host hook at every start of the unit, after the firmware's own
// initialisation and before the active objects start (the host uses it to
// apply its start options, for example the language).
using StartHook = void (*)(StartKind kind);
void APP_SetStartHook(StartHook hook);

// Everything that survives firmware restarts goes back to the state of a
// fresh process, so that one process can boot the unit afresh.
void APP_ProcessReset();
