// The pictures the menus draw, by what they show.
#pragma once

#include <cstdint>

enum class MenuPicture : uint8_t {
  Fault,
  Maintenance,
  Heating,
  HotWater,
  Solar,
  Information,
  FlueGasCheck,
  Help,
  RoomTemperature,
  Party,
  Economy,
  ProgramOff,
  ProgramHotWaterOnly,
  ProgramHeatingAndHotWater,  // 45 x 77
  BurnerOn,                   // 28 x 22 status symbol
  IconFault,                  // 22 x 22 main menu icons
  IconMaintenance,
  IconHeating,
  IconHotWater,
  IconInformation,
  IconSettings,
  IconService,
};

void MenuPic_Draw(MenuPicture picture, int x, int y);
int MenuPic_Width(MenuPicture picture);
