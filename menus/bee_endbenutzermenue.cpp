// The heating menu of the basic display: set-point, program, party and
// economy mode of the active heating circuit.

#include "gui/core/gui.h"
#include "menus/menu_circuit.h"
#include "menus/menu_fields.h"
#include "menus/menu_list_menu.h"
#include "menus/menu_pictures.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr TextId kTextOn = 76;
constexpr TextId kTextOff = 24;
constexpr GUI_Rect kPanelRect{159, 28, 239, 131};
constexpr int kPanelPictureX = 177;
constexpr int kPanelPictureY = 76;

// Later menu modules provide the dialogs behind these lines.
constexpr ListMenuLine kLines[] = {
    {209, nullptr, 33, nullptr, kInitFresh, nullptr},  // room set-point dialog
    {40, nullptr, 34, nullptr, kInitFresh, nullptr},   // operating program
    {197, nullptr, 35, nullptr, kInitFresh, nullptr},  // party mode
    {249, nullptr, 36, nullptr, kInitFresh, nullptr},  // economy mode
};

void drawPanelValue(const char* text) {
  const GUI_Font* previous = TXT_UseFontNormal();
  Menu_DrawString(text, kPanelValueRect, kAlignCentred);
  GUI_SelectFont(previous);
}

void drawProgramPicture() {
  MenuPicture picture;
  switch (DAT_Get(mf::OperatingProgram)) {
    case 5:
      picture = MenuPicture::ProgramOff;
      break;
    case 0:
      picture = MenuPicture::ProgramHotWaterOnly;
      break;
    case 3:
    case 4:
      picture = MenuPicture::ProgramHeatingAndHotWater;
      break;
    default:
      return;
  }
  const int height = picture == MenuPicture::ProgramHeatingAndHotWater ? 77 : 45;
  MenuPic_Draw(picture, (400 - MenuPic_Width(picture)) / 2, (160 - height) / 2);
}

void drawPanel(uint8_t line) {
  GUI_ClearAreaRect(&kPanelRect);
  GUI_DrawVertical(160, 29, 130);
  char value[24];
  switch (line) {
    case 0:
      Menu_FormatTemperature(static_cast<int>(DAT_Get(mf::RoomSetTemperature)), true, value, sizeof value);
      drawPanelValue(value);
      MenuPic_Draw(MenuPicture::RoomTemperature, kPanelPictureX, kPanelPictureY);
      break;
    case 1:
      drawProgramPicture();
      break;
    case 2:
      MenuPic_Draw(MenuPicture::Party, kPanelPictureX, kPanelPictureY);
      drawPanelValue(TXT_Text(DAT_Flag(mf::PartyMode) != 0 ? kTextOn : kTextOff));
      break;
    default:
      MenuPic_Draw(MenuPicture::Economy, kPanelPictureX, kPanelPictureY);
      drawPanelValue(TXT_Text(DAT_Flag(mf::EconomyMode) != 0 ? kTextOn : kTextOff));
      break;
  }
}

void drawLine(const GUI_Rect* r, uint8_t line) {
  ListMenu_DrawLineText(r, line);
  if (line == BMM_ListCursor()) drawPanel(line);
}

void drawTitle() {
  if (MF_CircuitCount() >= 2) {
    Menu_DrawCircuitTitle();
  } else {
    Menu_DrawTitle(DAT_GetCurrentCircuit() == 2 ? kTextCircuitName2 : kTextCircuitName1);
  }
}

ListMenuMemory Memory;
constexpr ListMenuDef kMenu{kLines, 4, {0, 158, 29, 24, 2, 4}, &drawTitle, &drawLine, &Memory, false,
                            false,  0};

}  // namespace

StateResult BEE_Endbenutzermenue(Hsm* me, const Event* e) {
  HSM_TraceState("BEE_Endbenutzermenue", e->sig);
  if (ListMenu_HandleLifecycle(&kMenu, e)) return nullptr;
  switch (e->sig) {
    case SIG_KEY3_PRESS:
      HSM_Tran(me, &BKE_Kontrasteinstellung, &BGA_Grundanzeige, kInitReturn);
      return nullptr;
    case SIG_KEY5_PRESS:
      Menu_ChangeCircuit(me, false);
      return nullptr;
    case SIG_KEY6_PRESS:
      Menu_ChangeCircuit(me, true);
      return nullptr;
    case SIG_MENU_TICK:
      ListMenu_Refresh(me, &BEE_Endbenutzermenue, &kMenu);
      return nullptr;
    default:
      break;
  }
  if (ListMenu_Handle(me, e, &kMenu)) return nullptr;
  return &BMM_Menuemonitor;
}
