// Display driver: refresh of the simulated panel, contrast, configuration,
// byte access in the layout of a 1-bit display memory and test patterns.
#pragma once

#include <cstdint>

#include "gui/core/gui_types.h"

void LCD_Refresh();
void LCD_RefreshArea(const GUI_Rect* r);

constexpr uint8_t kContrastMax = 99;
constexpr uint8_t kContrastDefault = 50;
void LCD_SetContrast(int value);
int LCD_ContrastUp();
int LCD_ContrastDown();
int LCD_GetContrast();
int LCD_GetContrastMax();
int LCD_GetContrastDefault();
// The light shade of the panel for a contrast value: 0x9C9C9C for 0 up to 0xFFFFFF for 99.
uint32_t LCD_ContrastGrey(int contrast);

void LCD_WriteDisplayByte(uint16_t address, uint8_t byte);
uint8_t LCD_ReadDisplayByte(uint16_t address);

void LCD_TestAllDark();
void LCD_TestAllLight();
void LCD_TestChecker();
void LCD_TestCheckerInverse();
void LCD_TestOddColumns();
void LCD_TestEvenColumns();

// Configuration queries.
enum LCD_ConfigIndex : int {
  LCD_DEVCAP_NUMCOLORS = 0,
  LCD_DEVCAP_XSIZE = 1,
  LCD_DEVCAP_YSIZE = 2,
  LCD_DEVCAP_VXSIZE = 3,
  LCD_DEVCAP_VYSIZE = 4,
  LCD_DEVCAP_CONTROLLER = 7,
  LCD_DEVCAP_BITSPERPIXEL = 8,
  LCD_DEVCAP_COLOR = 4096,
};
constexpr int32_t kLcdNumColors = 0x1000000;
constexpr int kLcdFixedPalette = 888;
int32_t LCD_GetConfig(int index);
int LCD_GetNumDisplays();
int LCD_GetXSize();
int LCD_GetYSize();
int LCD_GetVXSize();
int LCD_GetVYSize();
int LCD_GetBitsPerPixel();
int32_t LCD_GetNumColors();
int LCD_GetXMag();
int LCD_GetYMag();
int LCD_GetFixedPalette();
// The same for one display; any display but 0 answers 0.
int32_t LCD_GetConfigEx(int display, int index);
int LCD_GetXSizeEx(int display);
int LCD_GetYSizeEx(int display);
int LCD_GetVXSizeEx(int display);
int LCD_GetVYSizeEx(int display);
int LCD_GetBitsPerPixelEx(int display);
int32_t LCD_GetNumColorsEx(int display);
int LCD_GetXMagEx(int display);
int LCD_GetYMagEx(int display);
