#include <gtest/gtest.h>

#include <vector>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"
#include "gui/core/lcd_frame_buffer.h"
#include "tests/gui/core/gfx_fixture.h"

namespace {

using DrawTest = GfxTest;

std::vector<std::pair<int, int>> litPixels(int x0, int y0, int x1, int y1) {
  std::vector<std::pair<int, int>> pixels;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (LCD_GetPixelIndex(x, y) != 0) pixels.emplace_back(x, y);
  return pixels;
}

TEST_F(DrawTest, StartupClearsToBlackWithWhiteForeground) {
  LCD_FillFrameBuffer(0x123456);
  GUI_Startup();
  EXPECT_EQ(litCount(0, 0, 239, 159), 0);
  EXPECT_EQ(GUI_Ctx.drawMode, DM_NORMAL);
  GUI_FillArea(0, 0, 0, 0);
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), GUI_WHITE);
}

TEST_F(DrawTest, ColourSetWhileReversedStaysForegroundAfterwards) {
  GUI_SelectDrawMode(DM_REV);
  GUI_SetForeground(0x00FF00);
  GUI_SelectDrawMode(DM_NORMAL);
  GUI_FillArea(5, 5, 5, 5);
  EXPECT_EQ(LCD_GetPixelIndex(5, 5), 0x00FF00u);
  GUI_ClearArea(5, 5, 5, 5);
  EXPECT_EQ(LCD_GetPixelIndex(5, 5), GUI_BLACK);
}

TEST_F(DrawTest, SettingTheLastColourAgainChangesNothingEvenAfterASlotSwap) {
  GUI_SetForeground(GUI_WHITE);
  GUI_SelectDrawMode(DM_REV);
  GUI_SetForeground(GUI_WHITE);  // remembered: no write, the slot keeps black
  GUI_FillArea(3, 3, 3, 3);
  GUI_SelectDrawMode(DM_NORMAL);
  EXPECT_EQ(LCD_GetPixelIndex(3, 3), GUI_BLACK);
}

TEST_F(DrawTest, EmptyClearDrawsNothingAndKeepsTheDrawMode) {
  GUI_FillArea(0, 0, 20, 20);
  GUI_SelectDrawMode(DM_XOR);
  GUI_ClearArea(10, 0, 9, 20);
  EXPECT_EQ(GUI_Ctx.drawMode, DM_XOR);
  GUI_SelectDrawMode(DM_NORMAL);
  EXPECT_EQ(litCount(0, 0, 20, 20), 21 * 21);
}

TEST_F(DrawTest, ClearAreaInXorModeStillPaintsTheBackground) {
  GUI_FillArea(0, 0, 9, 9);
  GUI_SelectDrawMode(DM_XOR);
  GUI_ClearArea(0, 0, 4, 9);
  GUI_SelectDrawMode(DM_NORMAL);
  EXPECT_EQ(litCount(0, 0, 4, 9), 0);
  EXPECT_EQ(litCount(5, 0, 9, 9), 50);
}

TEST_F(DrawTest, XorFrameInvertsEveryOutlinePixelOnce) {
  GUI_FillArea(0, 0, 20, 20);
  GUI_SelectDrawMode(DM_XOR);
  GUI_DrawFrame(2, 2, 10, 6);
  GUI_DrawFrame(15, 15, 15, 18);  // one pixel wide
  GUI_SelectDrawMode(DM_NORMAL);
  for (const auto& [x, y] : {std::pair{2, 2}, {10, 2}, {2, 6}, {10, 6}, {5, 2}, {2, 4}, {15, 15}, {15, 16}})
    EXPECT_FALSE(lit(x, y)) << x << "," << y;
  EXPECT_TRUE(lit(5, 4));
  EXPECT_EQ(litCount(2, 2, 10, 6), 7 * 3);
}

TEST_F(DrawTest, ThinLinesFollowTheIntegerStepping) {
  const std::vector<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2},
                                                     {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}};
  struct Case {
    int x0, y0, x1, y1;
  };
  for (const Case& c : {Case{0, 0, 10, 3}, Case{10, 3, 0, 0}}) {
    GUI_ClearScreen();
    GUI_DrawSegment(c.x0, c.y0, c.x1, c.y1);
    std::vector<std::pair<int, int>> drawn;
    for (int x = 0; x <= 10; ++x)
      for (int y = 0; y <= 3; ++y)
        if (lit(x, y)) drawn.emplace_back(x, y);
    EXPECT_EQ(drawn, expected) << c.x0 << "," << c.y0;
  }
  GUI_ClearScreen();
  GUI_DrawSegment(7, 2, 7, 9);  // steep: one pixel per row
  EXPECT_EQ(litCount(0, 0, 20, 20), 8);
}

TEST_F(DrawTest, LineStylesLeaveTheirGaps) {
  struct Case {
    LineStyle style;
    int x0, x1;
    std::vector<int> xs;
  };
  const Case cases[] = {
      {LS_DOT, 10, 17, {12, 13, 16, 17}},
      {LS_DOT, 17, 10, {12, 13, 16, 17}},  // counted from the left end either way
      {LS_DASH, 0, 15, {6, 7, 8, 9}},
      {LS_DASHDOT, 0, 19, {12, 13, 14, 15, 18, 19}},
      {LS_DASHDOTDOT, 0, 23, {12, 13, 14, 15, 18, 19, 22, 23}},
  };
  for (const Case& c : cases) {
    GUI_ClearScreen();
    const LineStyle previous = GUI_SelectLineStyle(c.style);
    GUI_DrawSegment(c.x0, 50, c.x1, 50);
    GUI_SelectLineStyle(previous);
    std::vector<int> xs;
    for (const auto& p : litPixels(0, 50, 30, 50)) xs.push_back(p.first);
    EXPECT_EQ(xs, c.xs) << int(c.style);
  }
  GUI_ClearScreen();
  GUI_SelectLineStyle(LS_DOT);
  GUI_DrawSegment(0, 0, 8, 2);  // sloped: position i + 1
  GUI_SelectLineStyle(LS_SOLID);
  std::vector<int> xs;
  for (const auto& p : litPixels(0, 0, 8, 2)) xs.push_back(p.first);
  std::sort(xs.begin(), xs.end());
  EXPECT_EQ(xs, (std::vector<int>{1, 2, 5, 6}));
}

TEST_F(DrawTest, IconCutOnTheLeftKeepsItsPixelAlignment) {
  constexpr int kSize = 45;
  constexpr int kBytesPerLine = 6;
  uint8_t data[kSize * kBytesPerLine] = {};
  auto ink = [](int x, int y) { return (x * 7 + y * 3) % 5 == 0; };
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (ink(x, y)) data[y * kBytesPerLine + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  const GUI_Palette palette{2, 0, nullptr};
  const GUI_Bitmap icon{kSize, kSize, kBytesPerLine, 1, data, &palette, nullptr};
  const GUI_Rect clip{0, 0, 239, 30};
  GUI_SetClip(&clip);
  GUI_DrawIcon(&icon, -10, 5);
  GUI_SetClip(nullptr);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool expected = y >= 5 && y <= 30 && x < kSize - 10 && ink(x + 10, y - 5);
      ASSERT_EQ(lit(x, y), expected) << x << "," << y;
    }
}

TEST_F(DrawTest, TransparentPaletteSkipsZeroPixels) {
  const uint8_t data[2] = {0x80, 0x00};
  const GUI_Palette transparent{2, 1, nullptr};
  const GUI_Bitmap dot{2, 2, 1, 1, data, &transparent, nullptr};
  GUI_FillArea(0, 0, 1, 1);
  GUI_SetForeground(0x00FF00);
  GUI_DrawIcon(&dot, 0, 0);
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), 0x00FF00u);
  EXPECT_EQ(LCD_GetPixelIndex(1, 1), GUI_WHITE);
  EXPECT_EQ(GUI_Ctx.drawMode, DM_NORMAL);
}

TEST_F(DrawTest, ClipIsKeptInsideTheDisplay) {
  struct Case {
    GUI_Rect in, out;
    bool nonEmpty;
  };
  const Case cases[] = {{{-5, -5, 300, 300}, {0, 0, 239, 159}, true},
                        {{10, 20, 30, 40}, {10, 20, 30, 40}, true},
                        {{250, 0, 260, 10}, {250, 0, 239, 10}, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(GUI_SetClip(&c.in), c.nonEmpty);
    const GUI_Rect r = GUI_GetClip();
    EXPECT_EQ((std::vector<int>{r.x0, r.y0, r.x1, r.y1}),
              (std::vector<int>{c.out.x0, c.out.y0, c.out.x1, c.out.y1}));
  }
  const GUI_Rect clip{10, 10, 20, 20};
  GUI_SetClip(&clip);
  GUI_FillArea(-100, -100, 500, 500);
  GUI_PutPixel(9, 15);
  GUI_DrawSegment(0, 15, 239, 15);
  GUI_SetClip(nullptr);
  EXPECT_EQ(litCount(0, 0, 239, 159), 11 * 11);
}

TEST_F(DrawTest, ThickLinesAndArcBandsAreAsWideAsThePen) {
  GUI_SelectPenSize(5);
  GUI_DrawSegment(20, 50, 100, 50);
  std::vector<int> column;
  for (int y = 40; y <= 60; ++y)
    if (lit(60, y)) column.push_back(y);
  ASSERT_FALSE(column.empty());
  EXPECT_GE(column.size(), 5u);
  EXPECT_LE(column.size(), 6u);
  EXPECT_LE(column.front(), 48);
  EXPECT_GE(column.back(), 52);

  GUI_ClearScreen();
  GUI_SelectPenSize(7);
  GUI_DrawArcBand(119, 79, 30, 30, 0, 90);
  GUI_SelectPenSize(1);
  EXPECT_TRUE(lit(119 + 21, 79 - 21));   // 45 degrees, radius 30
  EXPECT_TRUE(lit(119, 79 - 30));        // 90 degrees
  EXPECT_FALSE(lit(119 - 30, 79));       // 180 degrees is not part of the arc
  EXPECT_FALSE(lit(119 + 21, 79 + 21));  // nor is 315
  int band = 0;
  for (int x = 119; x < 160; ++x) band += lit(x, 79 - 1) ? 1 : 0;
  EXPECT_GE(band, 7);
  EXPECT_LE(band, 9);
}

TEST_F(DrawTest, WaitSleepsInStepsOfAtMostFiveMilliseconds) {
  GUI_Wait(0);
  EXPECT_TRUE(host.delays.empty());
  const uint32_t start = GUI_Milliseconds();
  GUI_Wait(12);
  EXPECT_EQ(host.delays, (std::vector<uint32_t>{5, 5, 2}));
  EXPECT_EQ(GUI_Milliseconds() - start, 12u);
}

TEST_F(DrawTest, WaitEndsWhenTheHostStops) {
  host.requestStop();
  GUI_Wait(1000);
  EXPECT_EQ(host.delays.size(), 1u);
}

}  // namespace
