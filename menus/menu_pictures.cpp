#include "menus/menu_pictures.h"

#include "gui/core/gui.h"
#include "menus/pictures/pictures.h"

namespace {

const GUI_Bitmap* bitmapOf(MenuPicture picture) {
  switch (picture) {
    case MenuPicture::Fault:
      return &PIC_Stoerung45;
    case MenuPicture::Maintenance:
      return &PIC_Wartung45;
    case MenuPicture::Heating:
      return &PIC_Heizung45;
    case MenuPicture::HotWater:
      return &PIC_Warmwasser45;
    case MenuPicture::Solar:
      return &PIC_Solarenergie45;
    case MenuPicture::Information:
      return &PIC_Information45;
    case MenuPicture::FlueGasCheck:
      return &PIC_Pruefbetrieb45;
    case MenuPicture::Help:
      return &PIC_Hilfe45;
    case MenuPicture::RoomTemperature:
      return &PIC_RaumSolltemperatur45;
    case MenuPicture::Party:
      return &PIC_Partybetrieb45;
    case MenuPicture::Economy:
      return &PIC_Sparbetrieb45;
    case MenuPicture::ProgramOff:
      return &PIC_Abschaltbetrieb45;
    case MenuPicture::ProgramHotWaterOnly:
      return &PIC_NurWarmwasser45;
    case MenuPicture::ProgramHeatingAndHotWater:
      return &PIC_HeizenUndWarmwasser45x77;
    case MenuPicture::BurnerOn:
      return &SYM_Brenner28x22;
    case MenuPicture::IconFault:
      return &ICON_Stoerung22;
    case MenuPicture::IconMaintenance:
      return &ICON_Wartung22;
    case MenuPicture::IconHeating:
      return &ICON_Heizung22;
    case MenuPicture::IconHotWater:
      return &ICON_Warmwasser22;
    case MenuPicture::IconInformation:
      return &ICON_Information22;
    case MenuPicture::IconSettings:
      return &ICON_Einstellungen22;
    case MenuPicture::IconService:
      return &ICON_Service22;
  }
  return nullptr;
}

}  // namespace

int MenuPic_Width(MenuPicture picture) {
  const GUI_Bitmap* bitmap = bitmapOf(picture);
  return bitmap != nullptr ? bitmap->width : 0;
}

void MenuPic_Draw(MenuPicture picture, int x, int y) {
  const GUI_Bitmap* bitmap = bitmapOf(picture);
  if (bitmap != nullptr) GUI_DrawIcon(bitmap, x, y);
}
