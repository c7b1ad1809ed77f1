#include "menus/reset_screen.h"

#include <cstdio>

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "gui/core/text.h"
#include "menus/menu_text_fit.h"

namespace {
constexpr TextId kTextReset = 218;
constexpr TextId kTextCode = 58;
constexpr uint16_t kAlignCentred = 14;  // centred horizontally and vertically
}  // namespace

void MEN_DrawResetScreen(uint8_t reason) {
  GUI_ClearScreen();
  const GUI_Font* previous = TXT_UseFontLarge();
  GUI_DrawTextInRect(TXT_Text(kTextReset), &kResetUpperRect, kAlignCentred);
  TXT_UseFontNormal();
  char code[32];
  std::snprintf(code, sizeof code, "%s: %u", TXT_Text(kTextCode), static_cast<unsigned>(reason));
  GUI_DrawTextInRect(code, &kResetLowerRect, kAlignCentred);
  GUI_SelectFont(previous);
  LCD_Refresh();
}
