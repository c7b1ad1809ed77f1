// Configuration answers of the display driver.
#include "gui/core/lcd.h"

namespace {

constexpr int32_t kControllerId = 7529;
constexpr int kDisplayCount = 1;

}  // namespace

int32_t LCD_GetConfig(int index) {
  switch (index) {
    case LCD_DEVCAP_NUMCOLORS:
      return kLcdNumColors;
    case LCD_DEVCAP_XSIZE:
    case LCD_DEVCAP_VXSIZE:
      return LCD_XSIZE;
    case LCD_DEVCAP_YSIZE:
    case LCD_DEVCAP_VYSIZE:
      return LCD_YSIZE;
    case LCD_DEVCAP_CONTROLLER:
      return kControllerId;
    case LCD_DEVCAP_BITSPERPIXEL:
      return 24;
    default:
      // Colour of pixel value i: the frame buffer stores colours unchanged.
      if (index >= LCD_DEVCAP_COLOR && index - LCD_DEVCAP_COLOR < kLcdNumColors)
        return index - LCD_DEVCAP_COLOR;
      return 0;
  }
}

int32_t LCD_GetConfigEx(int display, int index) { return display == 0 ? LCD_GetConfig(index) : 0; }

int LCD_GetNumDisplays() { return kDisplayCount; }
int LCD_GetXSize() { return LCD_GetXSizeEx(0); }
int LCD_GetYSize() { return LCD_GetYSizeEx(0); }
int LCD_GetVXSize() { return LCD_GetVXSizeEx(0); }
int LCD_GetVYSize() { return LCD_GetVYSizeEx(0); }
int LCD_GetBitsPerPixel() { return LCD_GetBitsPerPixelEx(0); }
int32_t LCD_GetNumColors() { return LCD_GetNumColorsEx(0); }
int LCD_GetXMag() { return LCD_GetXMagEx(0); }
int LCD_GetYMag() { return LCD_GetYMagEx(0); }
int LCD_GetFixedPalette() { return kLcdFixedPalette; }

int LCD_GetXSizeEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_XSIZE); }
int LCD_GetYSizeEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_YSIZE); }
int LCD_GetVXSizeEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_VXSIZE); }
int LCD_GetVYSizeEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_VYSIZE); }
int LCD_GetBitsPerPixelEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_BITSPERPIXEL); }
int32_t LCD_GetNumColorsEx(int display) { return LCD_GetConfigEx(display, LCD_DEVCAP_NUMCOLORS); }
int LCD_GetXMagEx(int display) { return display == 0 ? 1 : 0; }
int LCD_GetYMagEx(int display) { return display == 0 ? 1 : 0; }
