#include "menus/menu_edit_dialog.h"

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "kernel/active_object.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

// Only one dialog is open at a time.
StateHandler ReturnState;

void leave(Hsm* me) {
  HSM_Tran(me, &BKE_Kontrasteinstellung, ReturnState != nullptr ? ReturnState : &BGA_Grundanzeige,
           kInitReturn);
}

void drawScreen(const EditDialogDef* def, uint8_t mode, uint8_t hint) {
  GUI_ClearScreen();
  if (def->drawTitle != nullptr) def->drawTitle();
  Menu_DrawTitleLine();
  ValueEdit_Draw(mode);
  Menu_ShowHint(hint);
  LCD_Refresh();
}

void change(bool up, const EditDialogDef* def) {
  if (up) {
    ValueEdit_Inc();
  } else {
    ValueEdit_Dec();
  }
  LCD_RefreshArea(&def->valueRect);
  Menu_ShowHint(kHintTakeOverOk);
  Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
  Menu_FlushHint();
}

bool isArrow(Signal sig) {
  return sig == SIG_KEY0_PRESS || sig == SIG_KEY2_PRESS || sig == SIG_KEY5_PRESS || sig == SIG_KEY6_PRESS;
}

}  // namespace

bool EditDialog_Container(Hsm* me, const Event* e, const EditDialogDef* def) {
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return true;
    case SIG_INIT: {
      ReturnState = MEN_LastBelowMonitor();
      const ValueEditRecord record{def->read(), def->step, def->minimum, def->maximum};
      ValueEdit_Setup(record, def->drawValue, def->valueRect, &FontLarge);
      const bool elsewhere = def->ownedElsewhere != nullptr && def->ownedElsewhere();
      HSM_InitTran(me, elsewhere ? def->readOnly : def->dialog);
      return true;
    }
    case SIG_KEY3_PRESS:
      leave(me);
      return true;
    default:
      return false;
  }
}

bool EditDialog_Dialog(Hsm* me, const Event* e, const EditDialogDef* def) {
  switch (e->sig) {
    case SIG_ENTRY:
      AO_Post(AO_TAS, SIG_TAS_ACCEL, def->acceleration);
      return true;
    case SIG_INIT:
      drawScreen(def, kValueModeEditing, kHintChangeUpDown);
      return true;
    case SIG_EXIT:
      Menu_CommonExit();
      return true;
    case SIG_KEY0_PRESS:
    case SIG_KEY6_PRESS:
      change(true, def);
      return true;
    case SIG_KEY2_PRESS:
    case SIG_KEY5_PRESS:
      change(false, def);
      return true;
    case SIG_TIMER_C_TIMEOUT:
      Menu_ShowHint(kHintChangeUpDown);
      Menu_FlushHint();
      return true;
    case SIG_KEY1_PRESS:
      def->write(ValueEdit_Get());
      HSM_Tran(me, def->container, def->feedback);
      return true;
    default:
      return false;
  }
}

namespace {

// The value shown plainly with a hint until OK or the hint time-out leaves the dialog.
bool showValueWithHint(Hsm* me, const Event* e, const EditDialogDef* def, uint8_t hint) {
  switch (e->sig) {
    case SIG_ENTRY:
      return true;
    case SIG_INIT:
      drawScreen(def, kValueModePlain, hint);
      Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
      return true;
    case SIG_EXIT:
      Menu_CommonExit();
      return true;
    case SIG_KEY1_PRESS:
    case SIG_TIMER_C_TIMEOUT:
      leave(me);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool EditDialog_Feedback(Hsm* me, const Event* e, const EditDialogDef* def) {
  if (isArrow(e->sig)) {
    HSM_Tran(me, def->container, def->dialog);
    return true;
  }
  return showValueWithHint(me, e, def, kHintTaken);
}

bool EditDialog_ReadOnly(Hsm* me, const Event* e, const EditDialogDef* def) {
  return showValueWithHint(me, e, def, kHintSeeRemote);
}
