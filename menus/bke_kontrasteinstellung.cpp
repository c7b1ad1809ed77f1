// Outermost menu state: idle and service timers, contrast keys and the
// choice between the start-up screens and a warm start.
#include "data/data_image.h"
#include "gui/core/lcd.h"
#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr DatField kContrastSetting = DAT_Byte(DatBlock::Local, kLocalContrast);

void applyContrast(int value) {
  DAT_Set(kContrastSetting, static_cast<uint32_t>(value));
  AO_Post(AO_BED, SIG_MENU_INTERNAL_96, static_cast<uint32_t>(value));
}

void restartIdleTimers() {
  Menu_ArmTimer(SIG_TIMER_B_SET, MEN_IdleDuration());
  if (MEN_Flags().serviceMode != 0) Menu_ArmTimer(SIG_TIMER_F_SET, kServiceTimeout);
}

}  // namespace

StateResult BKE_Kontrasteinstellung(Hsm* me, const Event* e) {
  HSM_TraceState("BKE_Kontrasteinstellung", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      AO_Post(AO_DTM, SIG_DTM_TICKS_ON, 0);
      if (e->par == kStartWarm) {
        AO_Post(AO_DIS, SIG_DIS_START, 0);
        HSM_InitTran(me, &BMM_Menuemonitor, kStartWarm);
      } else {
        SYS_SetScreenSaverRequest(0);
        MEN_SetSaverAngle(0);
        HSM_InitTran(me, &BLA_Laufbalkenanzeige, e->par);
      }
      return nullptr;
    case SIG_KEY_ANY:
      restartIdleTimers();
      return nullptr;
    case SIG_KEY8_PRESS:
    case SIG_MENU_INTERNAL_94:
      applyContrast(LCD_ContrastUp());
      return nullptr;
    case SIG_KEY9_PRESS:
    case SIG_MENU_INTERNAL_95:
      applyContrast(LCD_ContrastDown());
      return nullptr;
    case SIG_MENU_INTERNAL_97:
      LCD_SetContrast(static_cast<int>(e->par));
      LCD_Refresh();
      applyContrast(LCD_GetContrast());
      return nullptr;
    case SIG_TIMER_B_TIMEOUT:
      HSM_Tran(me, &BKE_Kontrasteinstellung, &BGA_Grundanzeige, kInitFresh);
      return nullptr;
    case SIG_MENU_TICK:
      LCD_Refresh();
      return nullptr;
    default:
      return &BSM_Systemmonitor;
  }
}
