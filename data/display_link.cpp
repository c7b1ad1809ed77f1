#include "data/display_link.h"

// Link control signals are accepted; the protocol itself follows with the data image.
StateResult DIS_I2C_Task(Hsm* /*me*/, const Event* e) {
  HSM_TraceState("DIS_I2C_Task", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_INIT:
    case SIG_EXIT:
    case SIG_DIS_SUPERVISE:
    case SIG_DIS_CYCLE_FAST:
    case SIG_DIS_CYCLE_SLOW:
    case SIG_DIS_ENABLE:
    case SIG_DIS_STOP:
    case SIG_DIS_RESET:
    case SIG_DIS_START:
      return nullptr;
    default:
      return &HSM_Top;
  }
}
