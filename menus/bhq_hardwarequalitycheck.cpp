// Entry of the hardware quality check. The test itself is not built yet:
// the state hands straight back to the start-up screens.
#include "menus/menu_states.h"

StateResult BHQ_HardwareQualityCheck(Hsm* me, const Event* e) {
  HSM_TraceState("BHQ_HardwareQualityCheck", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      HSM_Tran(me, &BSM_Systemmonitor, &BLA_Laufbalkenanzeige, 1);
      return nullptr;
    default:
      return &BSM_Systemmonitor;
  }
}
