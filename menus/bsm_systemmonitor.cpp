#include "menus/bsm_systemmonitor.h"

#include "kernel/active_object.h"
#include "kernel/app.h"
#include "menus/menu_state.h"
#include "menus/reset_screen.h"
#include "platform/trace.h"

namespace {

void enterSystemReset(Hsm* me, uint8_t reason) {
  AO_Post(AO_DTM, SIG_DTM_TICKS_OFF, 0);
  AO_Post(AO_DIS, SIG_DIS_STOP, 0);
  SYS_SetResetReason(reason);
  HSM_Tran(me, &HSM_Top, &BSM_SystemReset);
}

// Alive signals map onto the bits of the alive supervision.
bool aliveBitOf(Signal sig, uint8_t* bit) {
  switch (sig) {
    case SIG_ALIVE_ADC:
      *bit = 5;
      return true;
    case SIG_ALIVE_20MS:
      *bit = 2;
      return true;
    case SIG_ALIVE_10MS:
      *bit = 3;
      return true;
    case SIG_ALIVE_100MS:
      *bit = 4;
      return true;
    default:
      return false;
  }
}

}  // namespace

StateResult BSM_Systemmonitor(Hsm* me, const Event* e) {
  HSM_TraceState("BSM_Systemmonitor", e->sig);
  uint8_t aliveBit = 0;
  if (aliveBitOf(e->sig, &aliveBit)) {
    SYS_Alive(aliveBit);
    return nullptr;
  }
  switch (e->sig) {
    case SIG_ENTRY:
      // A new firmware life starts with a clean menu state block.
      MEN_ClearState();
      return nullptr;
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      HSM_InitTran(me, &BKE_Kontrasteinstellung, e->par);
      return nullptr;
    case SIG_3UHR_RESTART:
      TRC_Printf("\n*SIG_3UHR_RESTART");
      if (SYS_GetScreenSaverRequest() == 1) enterSystemReset(me, kResetDaily);
      return nullptr;
    case SIG_REG_RESET:
      TRC_Printf("\n*SIG_REG_RESET");
      enterSystemReset(me, kResetController);
      return nullptr;
    case SIG_BED_ERROR_RESET:
      TRC_Printf("\n*SIG_BED_ERROR_RESET: %d", static_cast<int>(e->par));
      enterSystemReset(me, static_cast<uint8_t>(e->par & 0xFF));
      return nullptr;
    default:
      return &HSM_Top;
  }
}

StateResult BSM_SystemReset(Hsm* /*me*/, const Event* e) {
  HSM_TraceState("BSM_SystemReset", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      SYS_Alive(0);
      SYS_Alive(1);
      return nullptr;
    case SIG_INIT:
      MEN_DrawResetScreen(SYS_GetResetReason());
      APP_RequestRestart();
      return nullptr;
    case SIG_EXIT:
      return nullptr;
    default:
      return &HSM_Top;
  }
}
