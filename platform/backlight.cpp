#include "platform/backlight.h"

// Backlight commands arrive here; the panel shades follow with the display driver.
StateResult BEL_Task(Hsm* /*me*/, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    default:
      if (e->sig >= SIG_BEL_OFF && e->sig <= SIG_BEL_MODE_IDLE) return nullptr;
      return &HSM_Top;
  }
}
