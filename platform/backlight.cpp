#include "platform/backlight.h"

#include <algorithm>

#include "data/data_image.h"
#include "gui/core/lcd.h"
#include "platform/host_services.h"
#include "platform/panel_memory.h"
#include "platform/trace.h"

namespace {

uint8_t targetLevel;
uint8_t currentLevel;
uint32_t rampMode;
uint32_t lastDriverMode;

constexpr uint8_t kRampMin = 2;
constexpr uint8_t kRampMax = 240;
constexpr uint32_t kDriverModeMax = 5;
constexpr uint32_t kBlack = 0x000000;

// Hardware hooks of the device; the host has no backlight to drive.
void backlightHardwareInit() {}
void backlightHardwareShutdown() {}
void panelContrastUp() {}
void panelContrastDown() {}

void apply(uint8_t level) { BEL_Driver(level >= kBelBrightLevel ? kBelDriverBright : kBelDriverDim); }

void setAtOnce(uint8_t level) {
  rampMode = kBelSet;
  targetLevel = currentLevel = level;
  apply(level);
  rampMode = kBelIdle;
}

void rampTo(uint8_t level) {
  rampMode = kBelRamp;
  targetLevel = level;
}

}  // namespace

// Like the key task, the backlight task writes no state traces.
StateResult BEL_Task(Hsm* /*me*/, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      currentLevel = targetLevel = 0;
      rampMode = kBelIdle;
      return nullptr;
    case SIG_INIT:
      backlightHardwareInit();
      return nullptr;
    case SIG_EXIT:
      backlightHardwareShutdown();
      return nullptr;
    case SIG_BEL_OFF:
      setAtOnce(0);
      return nullptr;
    case SIG_BEL_RAMP_LEVEL1:
      rampTo(DAT_GetBrightness1());
      return nullptr;
    case SIG_BEL_SET_LEVEL1:
      setAtOnce(DAT_GetBrightness1());
      return nullptr;
    case SIG_BEL_RAMP_LEVEL2:
      rampTo(DAT_GetBrightness2());
      return nullptr;
    case SIG_BEL_SET_LEVEL2:
      setAtOnce(DAT_GetBrightness2());
      return nullptr;
    case SIG_BEL_SET_LEVEL:
      targetLevel = currentLevel = static_cast<uint8_t>(e->par);
      apply(currentLevel);
      return nullptr;
    case SIG_BEL_MODE_SET:
      rampMode = kBelSet;
      return nullptr;
    case SIG_BEL_MODE_IDLE:
      rampMode = kBelIdle;
      return nullptr;
    default:
      return &HSM_Top;
  }
}

void BEL_Driver(uint32_t mode) {
  if (mode == lastDriverMode) return;
  if (mode > kDriverModeMax) {
    TRC_Printf("\n*** Display-Beleuchtung, FEHLER ***");
    return;
  }
  lastDriverMode = mode;
  PanelMemory* panel = HOST().panel();
  panel->darkShade = kBlack;
  panel->lightShade = mode >= kBelDriverBright ? LCD_ContrastGrey(LCD_GetContrast()) : kBelDimShade;
  LCD_Refresh();
}

void BEL_Ramp(uint8_t sensorValue) {
  if (rampMode == kBelRamp) {
    // A target outside the ramp's range ends at its edge instead of ramping forever.
    const uint8_t target = std::clamp(targetLevel, kRampMin, kRampMax);
    if (currentLevel < target) ++currentLevel;
    if (currentLevel > target) --currentLevel;
    apply(currentLevel);
    if (currentLevel == target) rampMode = kBelIdle;
  } else if (rampMode == kBelIdle) {
    const unsigned ambient = 2u * sensorValue;
    if (targetLevel > ambient) panelContrastUp();
    if (targetLevel < ambient) panelContrastDown();
  }
}

uint8_t BEL_GetLevel() { return currentLevel; }
uint8_t BEL_GetTarget() { return targetLevel; }
uint32_t BEL_GetMode() { return rampMode; }
uint32_t BEL_GetDriverMode() { return lastDriverMode; }

void BEL_ProcessReset() {
  targetLevel = currentLevel = 0;
  rampMode = kBelIdle;
  lastDriverMode = 0;
}
