// The screen saver: two opposite quarter circles that turn slowly.
#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "kernel/app.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr GUI_Rect kFigureRect{82, 42, 156, 116};
constexpr int kCentreX = 119;
constexpr int kCentreY = 79;
constexpr int kRadius = 30;
constexpr uint8_t kPenWidth = 7;
constexpr uint8_t kStepDegrees = 2;
constexpr uint32_t kFrameTicks = 2;
constexpr uint32_t kHelpKeyOverview = 17;

void drawFrame() {
  const uint8_t previousPen = GUI_SelectPenSize(kPenWidth);
  GUI_ClearAreaRect(&kFigureRect);
  const int a = MEN_SaverAngle();
  GUI_DrawArcBand(kCentreX, kCentreY, kRadius, kRadius, a, a + 90);
  GUI_DrawArcBand(kCentreX, kCentreY, kRadius, kRadius, a + 180, a + 270);
  GUI_SelectPenSize(previousPen);
  int next = a + kStepDegrees;
  if (next > 180) next -= 180;
  MEN_SetSaverAngle(static_cast<uint32_t>(next));
  Menu_ArmTimer(SIG_TIMER_A_SET, kFrameTicks);
  LCD_RefreshArea(&kFigureRect);
}

void wakeUp(Hsm* me) {
  SYS_SetScreenSaverRequest(0);
  HSM_Tran(me, &BMM_Menuemonitor, &BGA_Grundanzeige, kInitFresh);
}

void openKeyOverview(Hsm* me) {
  SYS_SetScreenSaverRequest(0);
  HSM_Tran(me, &BKE_Kontrasteinstellung, &BHA_Hilfeanzeige, kHelpKeyOverview);
  HSM_Send(me, SIG_MENU_INTERNAL_6, MEN_StateToken(&BGA_Grundanzeige));
  Menu_BacklightOperating();
}

}  // namespace

StateResult BRA_RuheAnimation(Hsm* me, const Event* e) {
  HSM_TraceState("BRA_RuheAnimation", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      return nullptr;
    case SIG_INIT:
      GUI_ClearScreen();
      LCD_Refresh();
      drawFrame();
      return nullptr;
    case SIG_EXIT:
      Menu_CommonExit();
      Menu_ArmTimer(SIG_TIMER_A_SET, 0);
      return nullptr;
    case SIG_TIMER_A_TIMEOUT:
      drawFrame();
      return nullptr;
    case SIG_KEY3_PRESS:
    case SIG_KEY0_PRESS:
    case SIG_KEY5_PRESS:
    case SIG_KEY2_PRESS:
    case SIG_KEY6_PRESS:
    case SIG_KEY1_PRESS:
    case SIG_KEY4_PRESS:
      wakeUp(me);
      return nullptr;
    case SIG_MENU_MONITOR_REQUEST:
      openKeyOverview(me);
      return nullptr;
    case SIG_MENU_TICK:
      HSM_Tran(me, &BGA_Grundanzeige, &BGA_Grundanzeige, kInitFresh);
      return nullptr;
    default:
      return &BGA_Grundanzeige;
  }
}
