// Entry of the manufacturer's end test. The test itself is not built yet:
// the state hands straight back to the start-up screens.
#include "menus/menu_states.h"

StateResult BHE_HerstellerEndkontrolle(Hsm* me, const Event* e) {
  HSM_TraceState("BHE_HerstellerEndkontrolle", e->sig);
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
