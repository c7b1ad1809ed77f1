#include "kernel/app.h"

#include "data/data_image.h"
#include "data/display_link.h"
#include "gui/core/gui.h"
#include "gui/core/text.h"
#include "kernel/active_object.h"
#include "kernel/key_task.h"
#include "kernel/timer_task.h"
#include "menus/bsm_systemmonitor.h"
#include "platform/backlight.h"
#include "platform/cpu_timer.h"
#include "platform/host_services.h"
#include "platform/interrupt.h"
#include "platform/key_port.h"
#include "platform/trace.h"
#include "platform/uart.h"

namespace {

uint8_t RestartFlag;
uint32_t ResetMagic;
uint8_t ResetReason;
uint16_t StartMarker;
uint32_t GuardWord;
uint32_t ScreenSaverRequest;
uint8_t AliveMask = kInitialAliveMask;

StartHook startHook = nullptr;

constexpr uint32_t kRunLoopDelayMs = 100;
constexpr uint32_t kStartDelayMs = 250;

// Hardware operations of the device that have nothing to do on the host.
void watchdogInit() {}
void watchdogStart() {}
void watchdogService() {}
void watchdogComplete() {}
void platformHook() {}
void analogueInputInit() {}
void analogueInputStart() {}

uint16_t analogueAliveCounter;

void serialByteSent() { AO_Post(AO_BED, SIG_SER_TX_DONE, 0); }
void serialByteReceived(uint8_t byte) { AO_Post(AO_BED, SIG_SER_RX, byte); }

StartKind startKindFromReason() {
  if (ResetMagic != kResetMagicValid) {
    ResetMagic = kResetMagicValid;
    ResetReason = kResetNone;
    return kStartCold;
  }
  if (ResetReason == kResetDaily) return kStartWarm;
  if (ResetReason == kResetController) return kStartControllerReset;
  if (ResetReason >= 32 && ResetReason <= 38) return kStartCold;
  if (ResetReason >= 128 && ResetReason <= 136) return kStartErrorRestart;
  ResetReason = kResetUnknownReason;
  return kStartCold;
}

// Graphics library with the UTF-8 texts of the unit and its default font.
void startGraphics() {
  GUI_Startup();
  GUI_SelectUtf8();
  GUI_SelectFont(&FontNormal);
}

}  // namespace

void APP_MainTask() {
  if (HOST().acquireSingleInstance("Simulation_am_laufen") == InstanceLock::AlreadyRunning) {
    HOST().messageBox("Es ist bereits eine Simulation aktiv.", "Hinweis");
    return;
  }
  HOST().delayMs(kStartDelayMs);
  while (!HOST().stopRequested()) {
    RestartFlag = 0;
    APP_Cycle();
    if (HOST().stopRequested()) break;
    TRC_Printf("\n*RESTARTING");
  }
}

void APP_Cycle() {
  const StartKind kind = APP_Init();
  APP_Start(kind);
  APP_Run();
}

StartKind SYS_Init() {
  GuardWord = kGuardWordValue;
  const StartKind kind = startKindFromReason();
  StartMarker = 0xFFFF;
  IRQ_InitLocks();
  __disable_interrupt();
  AliveMask = kInitialAliveMask;
  watchdogInit();
  platformHook();
  platformHook();
  analogueAliveCounter = 8815;
  analogueInputInit();
  platformHook();
  platformHook();
  for (AoNumber n = AO_BEL; n <= AO_DIS; ++n) AO_Init(n);
  UART_Open(kServicePort, &serialByteSent, &serialByteReceived);
  return kind;
}

StartKind APP_Init() {
  const StartKind kind = SYS_Init();
  TXT_Init();
  DAT_SetLanguage(TXT_GetLanguage());
  DAT_Init(kind);
  if (startHook != nullptr) startHook(kind);
  startGraphics();
  AO_ClearReady();
  AO_Init(AO_BED);
  return kind;
}

void SYS_StartTasks(StartKind kind) {
  watchdogStart();
  analogueInputStart();
  platformHook();
  AO_Start(AO_BEL, &BEL_Task, kind);
  AO_Start(AO_TAS, &TAS_Task, kind);
  AO_Start(AO_DTM, &DTM_TimerTask, kind);
  AO_Start(AO_DIS, &DIS_I2C_Task, kind);
}

void APP_Start(StartKind kind) {
  SYS_StartTasks(kind);
  __enable_interrupt();
  AO_Start(AO_BED, &BSM_Systemmonitor, kind == kStartWarm ? kStartWarm : kStartCold);
}

void APP_Run() {
  do {
    AO_Run();
    HOST().delayMs(kRunLoopDelayMs);
    if (HOST().stopRequested()) return;
    if (SYS_IsGuardWordDamaged()) HSM_Send(AO_GetHsm(AO_BED), SIG_BED_ERROR_RESET, kResetGuardWord);
  } while (RestartFlag == 0);
}

void APP_RequestRestart() { RestartFlag = 1; }

void SYS_Alive(uint8_t bit) {
  AliveMask = static_cast<uint8_t>(AliveMask | (1u << bit));
  switch (AliveMask) {
    case 0x3C:
      watchdogService();
      watchdogService();
      AliveMask = 0;
      watchdogComplete();
      break;
    case 0x3E:
      watchdogService();
      AliveMask = 2;
      watchdogComplete();
      break;
    case 0x3D:
      watchdogService();
      AliveMask = 1;
      watchdogComplete();
      break;
    default:
      break;
  }
}

uint8_t SYS_GetResetReason() { return ResetReason; }
void SYS_SetResetReason(uint8_t reason) { ResetReason = reason; }
uint16_t SYS_GetStartMarker() { return StartMarker; }
void SYS_SetStartMarker(uint16_t marker) { StartMarker = marker; }
bool SYS_IsGuardWordDamaged() { return GuardWord != kGuardWordValue; }
uint32_t SYS_GetScreenSaverRequest() { return ScreenSaverRequest; }
void SYS_SetScreenSaverRequest(uint32_t request) { ScreenSaverRequest = request; }
uint8_t SYS_GetAliveMask() { return AliveMask; }
void SYS_ClearResetMagic() { ResetMagic = 0; }
void SYS_DamageGuardWord() { GuardWord = 0; }

void APP_SetStartHook(StartHook hook) { startHook = hook; }

void APP_ProcessReset() {
  RestartFlag = 0;
  ResetMagic = 0;
  ResetReason = 0;
  StartMarker = 0;
  GuardWord = 0;
  ScreenSaverRequest = 0;
  AliveMask = kInitialAliveMask;
  IRQ_ProcessReset();
  tim_ProcessReset();
  UART_ProcessReset();
  KEY_ProcessReset();
  DTM_ProcessReset();
  TAS_ProcessReset();
  DAT_ProcessReset();
  BEL_ProcessReset();
  for (AoNumber n = 0; n < kActiveObjectCount; ++n) AO_Init(n);
  AO_ClearReady();
}
