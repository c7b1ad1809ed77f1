#include "menus/menu_query.h"

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr TextId kTextYes = 141;
constexpr TextId kTextNo = 184;
constexpr GUI_Rect kQuestionRect{1, 29, 238, 52};
constexpr GUI_Rect kAnswerBox{74, 67, 164, 117};

bool Yes;
StateHandler CallingList;

void drawAnswer() {
  GUI_ClearAreaRect(&kAnswerBox);
  const GUI_Font* previous = TXT_UseFontLarge();
  Menu_DrawText(Yes ? kTextYes : kTextNo, kAnswerBox, kAlignCentred);
  GUI_SelectFont(previous);
  GUI_InvertArea(kAnswerBox.x0, kAnswerBox.y0, kAnswerBox.x1, kAnswerBox.y1);
}

void drawScreen(const QueryDef* def, uint8_t hint) {
  GUI_ClearScreen();
  if (def->drawTitle != nullptr) def->drawTitle();
  Menu_DrawTitleLine();
  Menu_DrawText(def->question, kQuestionRect, kAlignLeft);
  drawAnswer();
  Menu_ShowHint(hint);
  LCD_Refresh();
}

void backToList(Hsm* me) {
  HSM_Tran(me, &BKE_Kontrasteinstellung, CallingList != nullptr ? CallingList : &BGA_Grundanzeige,
           kInitReturn);
}

}  // namespace

bool Query_Answer() { return Yes; }

bool Query_Question(Hsm* me, const Event* e, const QueryDef* def) {
  switch (e->sig) {
    case SIG_ENTRY:
      return true;
    case SIG_INIT:
      if (e->par == kInitFresh) {
        Yes = false;
        CallingList = MEN_LastBelowMonitor();
      }
      drawScreen(def, kHintSelectUpDown);
      return true;
    case SIG_EXIT:
      Menu_CommonExit();
      return true;
    case SIG_KEY0_PRESS:
    case SIG_KEY2_PRESS:
    case SIG_KEY5_PRESS:
    case SIG_KEY6_PRESS:
      Yes = !Yes;
      drawAnswer();
      Menu_ShowHint(kHintTakeOverOk);
      Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
      LCD_RefreshArea(&kAnswerBox);
      Menu_FlushHint();
      return true;
    case SIG_TIMER_C_TIMEOUT:
      Menu_ShowHint(kHintSelectUpDown);
      Menu_FlushHint();
      return true;
    case SIG_KEY1_PRESS:
      if (!Yes) {
        backToList(me);
        return true;
      }
      if (def->onYes != nullptr) def->onYes();
      HSM_Tran(me, &BMM_Menuemonitor, def->feedback, 0);
      return true;
    case SIG_KEY3_PRESS:
      backToList(me);
      return true;
    default:
      return false;
  }
}

bool Query_Feedback(Hsm* me, const Event* e, const QueryDef* def) {
  switch (e->sig) {
    case SIG_ENTRY:
      return true;
    case SIG_INIT:
      drawScreen(def, kHintTaken);
      Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
      return true;
    case SIG_EXIT:
      Menu_CommonExit();
      return true;
    case SIG_KEY3_PRESS:
    case SIG_KEY1_PRESS:
    case SIG_TIMER_C_TIMEOUT:
      if (def->afterFeedback != nullptr) {
        HSM_Tran(me, &BKE_Kontrasteinstellung, def->afterFeedback, kInitReturn);
      } else {
        backToList(me);
      }
      return true;
    default:
      return false;
  }
}
