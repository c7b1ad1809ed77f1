#include "menus/menu_list_menu.h"

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

const ListMenuDef* Active;

bool lineVisible(const ListMenuLine& line) { return line.visible == nullptr || line.visible(); }

void drawLine(const GUI_Rect* r, uint8_t line) {
  if (Active == nullptr) return;
  if (Active->drawLine != nullptr) {
    Active->drawLine(r, line);
  } else {
    ListMenu_DrawLineText(r, line);
  }
}

void moveCursor(const ListMenuDef* def, bool down) {
  if (down) {
    BMM_ListDown();
  } else {
    BMM_ListUp();
  }
  ListMenu_ShowHint(def, kHintContinueOk);
  Menu_ArmTimer(SIG_TIMER_C_SET, kHintTimeout);
  LCD_Refresh();
}

void openTarget(Hsm* me, const ListMenuDef* def) {
  const ListMenuLine& line = def->lines[BMM_ListCursor()];
  if (line.target == nullptr) return;
  if (line.beforeOk != nullptr) line.beforeOk();
  const uint32_t par = def->okParameterForAll != 0 ? def->okParameterForAll : line.okParameter;
  HSM_Tran(me, &BKE_Kontrasteinstellung, line.target, par);
}

}  // namespace

void ListMenu_DrawLineText(const GUI_Rect* r, uint8_t line) {
  if (Active == nullptr || line >= Active->count) return;
  Menu_DrawText(Active->lines[line].text, *r, kAlignLeft);
}

const ListMenuDef* ListMenu_Active() { return Active; }

void ListMenu_ApplyVisibility(const ListMenuDef* def) {
  for (uint8_t i = 0; i < def->count; ++i) BMM_ListEnable(i, lineVisible(def->lines[i]));
}

void ListMenu_Enter(const ListMenuDef* def) {
  Active = def;
  for (uint8_t i = 0; i < def->count; ++i) BMM_ListSetLine(i, &drawLine);
  BMM_ListSetCount(def->count);
  ListMenu_ApplyVisibility(def);
  BMM_ListSetLayout(def->layout);
}

void ListMenu_Init(const ListMenuDef* def, uint32_t par) {
  ListMenuMemory& saved = *def->memory;
  if (par == kInitFresh) {
    BMM_ListSetLayout(def->layout);
    saved.hint = kHintSelectUpDown;
  } else {
    const bool bothShown = BMM_ListIsEnabled(saved.top) && BMM_ListIsEnabled(saved.cursor);
    if (def->strictRestore && par == kInitReturn && !bothShown) {
      BMM_ListSetLayout(def->layout);
    } else {
      BMM_ListRestore(saved.top, saved.cursor);
    }
    if (par == kInitReturn) saved.hint = kHintSelectUpDown;
  }
  if (def->visibilityOnInit) ListMenu_ApplyVisibility(def);
  ListMenu_DrawScreen(def);
}

void ListMenu_ShowHint(const ListMenuDef* def, uint8_t hint) {
  def->memory->hint = hint;
  Menu_ShowHint(hint);
}

void ListMenu_DrawScreen(const ListMenuDef* def) {
  GUI_ClearScreen();
  if (def->drawTitle != nullptr) def->drawTitle();
  Menu_DrawTitleLine();
  BMM_ListDraw();
  Menu_ShowHint(def->memory->hint);
  LCD_Refresh();
}

void ListMenu_SavePosition(const ListMenuDef* def) {
  def->memory->top = BMM_ListTop();
  def->memory->cursor = BMM_ListCursor();
}

void ListMenu_Exit(const ListMenuDef* def) {
  ListMenu_SavePosition(def);
  Menu_CommonExit();
}

bool ListMenu_HandleLifecycle(const ListMenuDef* def, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      ListMenu_Enter(def);
      return true;
    case SIG_INIT:
      ListMenu_Init(def, e->par);
      return true;
    case SIG_EXIT:
      ListMenu_Exit(def);
      return true;
    default:
      return false;
  }
}

void ListMenu_Refresh(Hsm* me, StateHandler self, const ListMenuDef* def) {
  ListMenu_SavePosition(def);
  HSM_Tran(me, self, self, kInitRedraw);
}

bool ListMenu_Handle(Hsm* me, const Event* e, const ListMenuDef* def) {
  switch (e->sig) {
    case SIG_KEY0_PRESS:
      moveCursor(def, false);
      return true;
    case SIG_KEY2_PRESS:
      moveCursor(def, true);
      return true;
    case SIG_TIMER_C_TIMEOUT:
      ListMenu_ShowHint(def, kHintSelectUpDown);
      Menu_FlushHint();
      return true;
    case SIG_KEY1_PRESS:
      openTarget(me, def);
      return true;
    case SIG_MENU_MONITOR_REQUEST:
      HSM_Tran(me, &BKE_Kontrasteinstellung, &BHA_Hilfeanzeige, def->lines[BMM_ListCursor()].help);
      return true;
    default:
      return false;
  }
}
