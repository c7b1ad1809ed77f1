// Root of the menu machine: alive supervision, restarts and the reset screen.
#pragma once

#include "kernel/hsm.h"

StateResult BSM_Systemmonitor(Hsm* me, const Event* e);
StateResult BSM_SystemReset(Hsm* me, const Event* e);
// Start screen: switches the ticks on and starts the display link.
StateResult BKE_Kontrasteinstellung(Hsm* me, const Event* e);
