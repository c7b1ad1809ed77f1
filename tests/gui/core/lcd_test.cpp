#include "gui/core/lcd.h"

#include <gtest/gtest.h>

#include "gui/core/lcd_frame_buffer.h"
#include "platform/panel_memory.h"
#include "tests/gui/core/gfx_fixture.h"

namespace {

class LcdTest : public GfxTest {
 protected:
  uint8_t panelPixel(int x, int y) { return host.panel()->pixels[y][x]; }
};

TEST_F(LcdTest, RefreshShowsZeroDarkAndEveryOtherValueLight) {
  LCD_SetPixelIndex(0, 0, 0xFFFFFF);
  LCD_SetPixelIndex(1, 0, 1);
  LCD_SetPixelIndex(2, 0, 0);
  const uint32_t before = host.panel()->modificationCount;
  LCD_Refresh();
  EXPECT_EQ(panelPixel(0, 0), panelPixel(1, 0));
  EXPECT_NE(panelPixel(0, 0), 0);
  EXPECT_EQ(panelPixel(2, 0), 0);
  EXPECT_EQ(host.panel()->modificationCount, before + 1);
  EXPECT_EQ(host.refreshes, 1);
}

TEST_F(LcdTest, RefreshAreaCopiesOnlyItsRectangleAndStaysInsideThePanel) {
  LCD_FillFrameBuffer(1);
  const GUI_Rect area{10, 20, 12, 21};
  LCD_RefreshArea(&area);
  EXPECT_EQ(panelPixel(10, 20), 1);
  EXPECT_EQ(panelPixel(12, 21), 1);
  EXPECT_EQ(panelPixel(13, 21), 0);
  EXPECT_EQ(panelPixel(10, 22), 0);
  const GUI_Rect beyond{-50, -50, 500, 500};
  LCD_RefreshArea(&beyond);
  EXPECT_EQ(panelPixel(239, 159), 1);
}

TEST_F(LcdTest, ContrastClampsWrapsAndSetsTheLightShade) {
  LCD_SetContrast(150);
  EXPECT_EQ(LCD_GetContrast(), 99);
  EXPECT_EQ(host.panel()->lightShade, 0xFFFFFFu);
  EXPECT_EQ(LCD_ContrastUp(), 0);
  EXPECT_EQ(host.panel()->lightShade, 0x9C9C9Cu);
  EXPECT_EQ(LCD_ContrastDown(), 99);
  EXPECT_EQ(LCD_ContrastDown(), 98);
  EXPECT_EQ(host.refreshes, 3);
  LCD_SetContrast(LCD_GetContrastDefault());
  EXPECT_EQ(LCD_GetContrastMax(), 99);
  EXPECT_EQ(host.panel()->lightShade, 0xCECECEu);
}

TEST_F(LcdTest, DisplayBytesMapOntoRowsOfThirtyBytes) {
  LCD_WriteDisplayByte(29, 0xFF);
  EXPECT_EQ(litCount(232, 0, 239, 0), 8);
  EXPECT_EQ(litCount(0, 0, 231, 0), 0);
  LCD_WriteDisplayByte(30, 0xA5);
  EXPECT_EQ(LCD_ReadDisplayByte(30), 0xA5);
  EXPECT_TRUE(lit(0, 1));
  EXPECT_FALSE(lit(1, 1));
  EXPECT_EQ(LCD_GetPixelIndex(7, 1), 1u);
  LCD_WriteDisplayByte(4799, 0x01);
  EXPECT_TRUE(lit(239, 159));
  // Beyond the last row nothing is written or read.
  LCD_WriteDisplayByte(4800, 0xFF);
  EXPECT_EQ(LCD_ReadDisplayByte(4800), 0);
}

TEST_F(LcdTest, TestPatternsFillTheWholeScreenAndRefresh) {
  struct Case {
    void (*pattern)();
    int x, y;
    bool light;
  };
  const Case cases[] = {
      {LCD_TestChecker, 7, 7, true},        {LCD_TestChecker, 8, 0, false},
      {LCD_TestChecker, 8, 8, true},        {LCD_TestCheckerInverse, 0, 0, false},
      {LCD_TestCheckerInverse, 8, 0, true}, {LCD_TestOddColumns, 1, 5, true},
      {LCD_TestOddColumns, 2, 5, false},    {LCD_TestEvenColumns, 238, 159, true},
      {LCD_TestAllLight, 239, 159, true},   {LCD_TestAllDark, 120, 80, false},
  };
  for (const Case& c : cases) {
    c.pattern();
    EXPECT_EQ(panelPixel(c.x, c.y) != 0, c.light) << c.x << "," << c.y;
  }
  EXPECT_EQ(host.refreshes, 10);
}

TEST_F(LcdTest, ConfigurationAnswers) {
  const std::pair<int, int32_t> answers[] = {{0, 0x1000000},
                                             {1, 240},
                                             {2, 160},
                                             {3, 240},
                                             {4, 160},
                                             {5, 0},
                                             {7, 7529},
                                             {8, 24},
                                             {4096 + 0x123456, 0x123456},
                                             {4096 + 0x1000000, 0}};
  for (const auto& [index, answer] : answers) EXPECT_EQ(LCD_GetConfig(index), answer) << index;
  EXPECT_EQ(LCD_GetXSizeEx(0) * LCD_GetXMagEx(0), 240);
  EXPECT_EQ(LCD_GetXSizeEx(1), 0);
  EXPECT_EQ(LCD_GetYMagEx(1), 0);
  EXPECT_EQ(LCD_GetNumDisplays(), 1);
  EXPECT_EQ(LCD_GetFixedPalette(), 888);
}

}  // namespace
