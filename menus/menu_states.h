// The states of the menu machine (active object AO_BED).
#pragma once

#include "kernel/hsm.h"

// Root, restart screen and the factory test entries.
StateResult BSM_Systemmonitor(Hsm* me, const Event* e);
StateResult BSM_SystemReset(Hsm* me, const Event* e);
StateResult BHE_HerstellerEndkontrolle(Hsm* me, const Event* e);
StateResult BHQ_HardwareQualityCheck(Hsm* me, const Event* e);

// Outer states of every menu.
StateResult BKE_Kontrasteinstellung(Hsm* me, const Event* e);
StateResult BMM_Menuemonitor(Hsm* me, const Event* e);

// Start-up screens.
StateResult BLA_Laufbalkenanzeige(Hsm* me, const Event* e);
StateResult BLA_PruefprogrammStart(Hsm* me, const Event* e);
StateResult BLA_KommunikationStart(Hsm* me, const Event* e);

// Basic display and the menus reached from it.
StateResult BGA_Grundanzeige(Hsm* me, const Event* e);
StateResult BGA_GrundanzeigeMenue(Hsm* me, const Event* e);
StateResult BGA_GrundanzeigeMenueGesperrt(Hsm* me, const Event* e);
StateResult BEE_Endbenutzermenue(Hsm* me, const Event* e);
StateResult BGM_Grundmenue(Hsm* me, const Event* e);

// Help, screen saver, circuit feedback and circuit selection.
StateResult BHA_Hilfeanzeige(Hsm* me, const Event* e);
StateResult BRA_RuheAnimation(Hsm* me, const Event* e);
StateResult BFA_Feedbackanzeige(Hsm* me, const Event* e);
StateResult BHKW_HKWahl(Hsm* me, const Event* e);
