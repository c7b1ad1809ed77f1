#include "menus/menu_pictures.h"

#include "gui/core/gui.h"

namespace {

struct PictureSize {
  uint8_t width;
  uint8_t height;
};

PictureSize sizeOf(MenuPicture picture) {
  switch (picture) {
    case MenuPicture::ProgramHeatingAndHotWater:
      return {45, 77};
    case MenuPicture::BurnerOn:
      return {28, 22};
    case MenuPicture::IconFault:
    case MenuPicture::IconMaintenance:
    case MenuPicture::IconHeating:
    case MenuPicture::IconHotWater:
    case MenuPicture::IconInformation:
    case MenuPicture::IconSettings:
    case MenuPicture::IconService:
      return {22, 22};
    default:
      return {45, 45};
  }
}

}  // namespace

int MenuPic_Width(MenuPicture picture) { return sizeOf(picture).width; }

void MenuPic_Draw(MenuPicture picture, int x, int y) {
  const PictureSize size = sizeOf(picture);
  GUI_DrawFrame(x, y, x + size.width - 1, y + size.height - 1);
}
