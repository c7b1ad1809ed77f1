// Start-up screens: the progress bar while the link to the controller comes
// up, the window for the factory tests and the start of the link.
#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "kernel/active_object.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr int kBarLeft = 7;
constexpr int kBarRight = 230;
constexpr int kBarTop = 29;
constexpr int kBarBottom = 52;
constexpr uint32_t kProgressTicks = 10;
constexpr uint32_t kVersionTicks = 40;
constexpr uint32_t kTestWindowTicks = 30;
constexpr uint32_t kLinkStartTicks = 70;
constexpr uint8_t kHardwareCheckRequest = 5;
constexpr uint32_t kManufacturerTestEntry = 3;

constexpr TextId kTextDeviceName = 392;
constexpr const char* kVersionLine = "Version: Q417x110";
constexpr GUI_Rect kBarRect{kBarLeft, kBarTop, kBarRight, kBarBottom};

uint8_t ProgressPosition;

void progressStep() {
  if (ProgressPosition >= kBarRight) {
    ProgressPosition = kBarLeft;
    GUI_ClearArea(kBarLeft, kBarTop, kBarRight, kBarBottom);
  } else {
    GUI_DrawVertical(ProgressPosition, kBarTop, kBarBottom);
    ++ProgressPosition;
  }
  GUI_DrawFrame(kBarLeft, kBarTop, kBarRight, kBarBottom);
  Menu_ArmTimer(SIG_TIMER_D_SET, kProgressTicks);
  LCD_RefreshArea(&kBarRect);
}

void showVersion() {
  const GUI_Font* previous = TXT_UseFontNormal();
  Menu_DrawText(kTextDeviceName, kDeviceNameRect, kAlignCentred);
  TXT_UseFontSmall();
  Menu_DrawString(kVersionLine, kVersionRect, kAlignCentred);
  GUI_SelectFont(previous);
  LCD_Refresh();
  Menu_ArmTimer(SIG_TIMER_I_SET, kVersionTicks);
}

void hideVersion() {
  GUI_ClearArea(0, 53, 239, 159);
  LCD_Refresh();
}

}  // namespace

StateResult BLA_Laufbalkenanzeige(Hsm* me, const Event* e) {
  HSM_TraceState("BLA_Laufbalkenanzeige", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      ProgressPosition = kBarLeft;
      return nullptr;
    case SIG_INIT:
      GUI_ClearScreen();
      progressStep();
      LCD_Refresh();
      Menu_BacklightOperating();
      HSM_InitTran(me, &BLA_PruefprogrammStart);
      return nullptr;
    case SIG_EXIT:
      Menu_ArmTimer(SIG_TIMER_D_SET, 0);
      Menu_ArmTimer(SIG_TIMER_I_SET, 0);
      return nullptr;
    case SIG_TIMER_D_TIMEOUT:
      progressStep();
      return nullptr;
    case SIG_KEY7_PRESS:
      showVersion();
      return nullptr;
    case SIG_TIMER_I_TIMEOUT:
      hideVersion();
      return nullptr;
    default:
      return &BKE_Kontrasteinstellung;
  }
}

StateResult BLA_PruefprogrammStart(Hsm* me, const Event* e) {
  HSM_TraceState("BLA_PruefprogrammStart", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      Menu_ArmTimer(SIG_TIMER_C_SET, kTestWindowTicks);
      return nullptr;
    case SIG_INIT:
      return nullptr;
    case SIG_EXIT:
      Menu_ArmTimer(SIG_TIMER_C_SET, 0);
      return nullptr;
    case SIG_KEY11_PRESS:
      HSM_Tran(me, &BSM_Systemmonitor, &BHE_HerstellerEndkontrolle, kManufacturerTestEntry);
      return nullptr;
    case SIG_SER_RX:
      if (e->par == kHardwareCheckRequest) HSM_Tran(me, &BSM_Systemmonitor, &BHQ_HardwareQualityCheck);
      return nullptr;
    case SIG_TIMER_C_TIMEOUT:
      HSM_Tran(me, &BLA_Laufbalkenanzeige, &BLA_KommunikationStart);
      return nullptr;
    default:
      return &BLA_Laufbalkenanzeige;
  }
}

StateResult BLA_KommunikationStart(Hsm* me, const Event* e) {
  HSM_TraceState("BLA_KommunikationStart", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      AO_Post(AO_DIS, SIG_DIS_START, 0);
      Menu_ArmTimer(SIG_TIMER_C_SET, kLinkStartTicks);
      return nullptr;
    case SIG_INIT:
      return nullptr;
    case SIG_EXIT:
      Menu_ArmTimer(SIG_TIMER_C_SET, 0);
      return nullptr;
    case SIG_TIMER_C_TIMEOUT:
      AO_Post(AO_BED, SIG_DIS_STARTED, 0);
      return nullptr;
    case SIG_DIS_STARTED:
      HSM_Tran(me, &BKE_Kontrasteinstellung, &BGA_Grundanzeige, kInitFresh);
      return nullptr;
    default:
      return &BLA_Laufbalkenanzeige;
  }
}
