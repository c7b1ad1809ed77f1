// Process-wide settings of the simulation host, set before the windows exist.
#pragma once

#include <cstdint>

struct SimSettings {
  static constexpr int kLayers = 6;

  // Where the LCD sits in the device picture; negative: no device window.
  int lcdX = -1;
  int lcdY = -1;
  bool hasTransparentColour = false;
  uint32_t transparentRgb = 0;
  uint32_t layerDark[kLayers] = {};
  uint32_t layerLight[kLayers] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  int zoom = 1;
  bool messageBoxes = true;

  bool deviceMode() const { return lcdX >= 0 && lcdY >= 0; }
};

// The display the application drives.
struct DisplayGeometry {
  int width;
  int height;
  int magnification;
  int displays;
};
constexpr DisplayGeometry kUnitDisplay{240, 160, 1, 1};

// The application's part of the start-up: the device window is used only
// for the one display of 240 x 160 it was drawn for.
void SIM_ConfigureApplication(SimSettings& settings, const DisplayGeometry& display = kUnitDisplay);
