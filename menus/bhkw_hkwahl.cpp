// Choice of the heating circuit before a circuit's dialog; skipped when the
// plant has one circuit.
#include "data/dis_jobs.h"
#include "gui/core/gui.h"
#include "menus/menu_fields.h"
#include "menus/menu_list_menu.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr TextId kTextCircuitChoice = 123;
constexpr TextId kTextLabels[] = {130, 131};

StateHandler ReturnState;
StateHandler Target;

constexpr ListMenuLine kLines[] = {
    {kTextCircuitName1, nullptr, 16, nullptr, kInitFresh, nullptr},
    {kTextCircuitName2, nullptr, 16, nullptr, kInitFresh, nullptr},
};

void drawLine(const GUI_Rect* r, uint8_t line) {
  ListMenu_DrawLineText(r, line);
  Menu_DrawText(kTextLabels[line], *r, kAlignRight);
}

void drawTitle() { Menu_DrawTitle(kTextCircuitChoice); }

ListMenuMemory Memory;
constexpr ListMenuDef kMenu{kLines, 2, {0, 239, 29, 24, 2, 2}, &drawTitle, &drawLine, &Memory, false,
                            false,  0};

void goBack(Hsm* me) {
  HSM_Tran(me, &BKE_Kontrasteinstellung, ReturnState != nullptr ? ReturnState : &BGA_Grundanzeige,
           kInitReturn);
}

void openTarget(Hsm* me, uint8_t circuit) {
  DAT_ChangeCircuit(circuit);
  if (Target != nullptr) HSM_Tran(me, &BKE_Kontrasteinstellung, Target, kInitFresh);
}

}  // namespace

StateResult BHKW_HKWahl(Hsm* me, const Event* e) {
  HSM_TraceState("BHKW_HKWahl", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
      ListMenu_Enter(&kMenu);
      return nullptr;
    case SIG_INIT:
      if (e->par == kInitFresh) {
        ReturnState = MEN_LastBelowMonitor();
      } else if (MF_CircuitCount() >= 2) {
        ListMenu_Init(&kMenu, e->par);
      } else {
        goBack(me);
      }
      return nullptr;
    case SIG_EXIT:
      ListMenu_Exit(&kMenu);
      return nullptr;
    case SIG_MENU_INTERNAL_7:
      Target = MEN_StateFromToken(e->par);
      if (MF_CircuitCount() < 2) {
        openTarget(me, DIS_CircuitPresent(2) && !DIS_CircuitPresent(1) ? 2 : 1);
      } else {
        ListMenu_Init(&kMenu, kInitFresh);
      }
      return nullptr;
    case SIG_KEY1_PRESS:
      openTarget(me, static_cast<uint8_t>(BMM_ListCursor() + 1));
      return nullptr;
    case SIG_KEY3_PRESS:
      goBack(me);
      return nullptr;
    default:
      break;
  }
  if (ListMenu_Handle(me, e, &kMenu)) return nullptr;
  return &BMM_Menuemonitor;
}
