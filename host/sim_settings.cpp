#include "host/sim_settings.h"

void SIM_ConfigureApplication(SimSettings& settings, const DisplayGeometry& display) {
  if (display.width != 240 || display.height != 160 || display.magnification != 1 || display.displays != 1)
    return;
  settings.lcdX = 45;
  settings.lcdY = 30;
  settings.hasTransparentColour = true;
  settings.transparentRgb = 0x00FF00;
  settings.layerDark[0] = 0x000000;
  settings.layerLight[0] = 0xFFFFFF;
}
