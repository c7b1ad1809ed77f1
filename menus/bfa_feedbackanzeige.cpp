// Confirms a change of the active heating circuit for two seconds.
#include "data/data_image.h"
#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "menus/menu_circuit.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr TextId kTextCircuitChoice = 123;

StateHandler ReturnState;

void draw() {
  GUI_ClearScreen();
  Menu_DrawTitleWithCircuit(kTextCircuitChoice);
  Menu_DrawTitleLine();
  const GUI_Font* previous = TXT_UseFontLarge();
  Menu_DrawText(DAT_GetCurrentCircuit() == 2 ? kTextCircuitName2 : kTextCircuitName1, kFeedbackNameRect,
                kAlignCentred);
  GUI_SelectFont(previous);
  Menu_ShowHint(kHintWasChosen);
  Menu_ArmTimer(SIG_TIMER_C_SET, kFeedbackHintTimeout);
  LCD_Refresh();
}

void switchAgain(Hsm* me, bool next) {
  DAT_ChangeCircuit(Menu_NeighbourCircuit(next));
  HSM_Tran(me, &BMM_Menuemonitor, &BFA_Feedbackanzeige, 0);
}

}  // namespace

StateResult BFA_Feedbackanzeige(Hsm* me, const Event* e) {
  HSM_TraceState("BFA_Feedbackanzeige", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      return nullptr;
    case SIG_INIT:
      if (e->par == kInitFresh) ReturnState = MEN_LastBelowMonitor();
      draw();
      return nullptr;
    case SIG_EXIT:
      Menu_CommonExit();
      return nullptr;
    case SIG_KEY3_PRESS:
    case SIG_KEY1_PRESS:
    case SIG_TIMER_C_TIMEOUT:
      HSM_Tran(me, &BKE_Kontrasteinstellung, ReturnState != nullptr ? ReturnState : &BGA_Grundanzeige,
               kInitReturn);
      return nullptr;
    case SIG_KEY5_PRESS:
      switchAgain(me, false);
      return nullptr;
    case SIG_KEY6_PRESS:
      switchAgain(me, true);
      return nullptr;
    default:
      return &BMM_Menuemonitor;
  }
}
