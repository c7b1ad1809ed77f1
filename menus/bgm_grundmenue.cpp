// The main menu, opened by the Menu key.
#include "menus/menu_fields.h"
#include "menus/menu_list_menu.h"
#include "menus/menu_pictures.h"
#include "menus/menu_screen.h"
#include "menus/menu_state.h"
#include "menus/menu_states.h"

namespace {

constexpr TextId kTextMenu = 166;

void selectDefaultCircuit() { DAT_ChangeCircuit(MF_DefaultCircuit()); }
bool serviceMode() { return MEN_Flags().serviceMode != 0; }

// Later menu modules provide the screens behind these lines.
constexpr ListMenuLine kLines[] = {
    {259, nullptr, 92, &MF_AnyFaultIndication, kInitFresh, nullptr},  // fault dialog
    {291, nullptr, 93, &MF_MaintenanceDue, kInitFresh, nullptr},      // maintenance dialog
    {126, nullptr, 94, nullptr, kInitFresh, &selectDefaultCircuit},   // heating menu
    {285, nullptr, 95, &MF_HotWater, kInitFresh, nullptr},            // hot-water menu
    {135, nullptr, 96, nullptr, kInitFresh, nullptr},                 // extended information
    {79, nullptr, 97, nullptr, kInitFresh, nullptr},                  // settings
    {227, nullptr, 98, &serviceMode, kInitFresh, nullptr},            // service menu
};

constexpr MenuPicture kIcons[] = {MenuPicture::IconFault,       MenuPicture::IconMaintenance,
                                  MenuPicture::IconHeating,     MenuPicture::IconHotWater,
                                  MenuPicture::IconInformation, MenuPicture::IconSettings,
                                  MenuPicture::IconService};

void drawLine(const GUI_Rect* r, uint8_t line) {
  ListMenu_DrawLineText(r, line);
  MenuPic_Draw(kIcons[line], r->x1 - 22, r->y0 + 1);
}

void drawTitle() { Menu_DrawTitle(kTextMenu); }

ListMenuMemory Memory;
constexpr ListMenuDef kMenu{kLines, 7, {0, 239, 29, 24, 2, 4}, &drawTitle, &drawLine, &Memory, true, true, 0};

}  // namespace

StateResult BGM_Grundmenue(Hsm* me, const Event* e) {
  HSM_TraceState("BGM_Grundmenue", e->sig);
  if (ListMenu_HandleLifecycle(&kMenu, e)) return nullptr;
  switch (e->sig) {
    case SIG_KEY3_PRESS:
      HSM_Tran(me, &BKE_Kontrasteinstellung, &BGA_Grundanzeige, kInitFresh);
      return nullptr;
    case SIG_MENU_TICK:
      ListMenu_Refresh(me, &BGM_Grundmenue, &kMenu);
      return nullptr;
    default:
      break;
  }
  if (ListMenu_Handle(me, e, &kMenu)) return nullptr;
  return &BMM_Menuemonitor;
}
