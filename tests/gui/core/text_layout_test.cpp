#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd_frame_buffer.h"
#include "tests/gui/core/gfx_fixture.h"
#include "tests/gui/core/test_font.h"

namespace {

struct Line {
  std::string text;
  int x0;
  int y0;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Line& l) {
  return os << '"' << l.text << "\"@" << l.x0 << ',' << l.y0;
}

class TextLayoutTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    GUI_SelectFont(&TestFont);
  }
  // The lines drawn so far, as the text-run record holds them.
  static std::vector<Line> lines() {
    std::vector<Line> out;
    for (int i = 0; i < GUI_TextRunsCount(); ++i) {
      const PanelTextRun& r = GUI_TextRunsAt(i);
      out.push_back(Line{r.text, r.x0, r.y0});
    }
    return out;
  }
};

TEST_F(TextLayoutTest, TwoLinesCentredAsABlockInTheRealFont) {
  GUI_SelectFont(&FontNormal);
  const GUI_Rect whole{0, 0, 239, 159};
  GUI_DrawTextInRect("A\nB", &whole, 12);
  const std::vector<Line> drawn = lines();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].y0, 60);
  EXPECT_EQ(drawn[1].y0, 80);
}

TEST_F(TextLayoutTest, HorizontalAndVerticalAlignmentInARectangle) {
  const std::string text(10, 'W');  // 100 pixels
  const GUI_Rect r{0, 0, 239, 159};
  struct Case {
    uint16_t align;
    Line expected;
  };
  const Case cases[] = {{13, {text, 140, 76}},
                        {14, {text, 69, 76}},
                        {0, {text, 0, 0}},
                        {5, {text, 140, 152}},
                        {8, {text, 0, 152}}};
  for (const Case& c : cases) {
    GUI_ClearScreen();
    GUI_DrawTextInRect(text.c_str(), &r, c.align);
    EXPECT_EQ(lines(), std::vector<Line>{c.expected}) << c.align;
  }
}

TEST_F(TextLayoutTest, TextInRectIsCutAtTheRectangleAndRestoresTheClip) {
  const GUI_Rect r{10, 10, 20, 30};
  GUI_DrawTextInRect("AAAA\nAAAA\nAAAA\nAAAA", &r, 0);
  EXPECT_EQ(litCount(0, 0, 239, 9), 0);
  EXPECT_EQ(litCount(21, 0, 239, 159), 0);
  EXPECT_EQ(litCount(0, 31, 239, 159), 0);
  EXPECT_GT(litCount(10, 10, 20, 30), 0);
  EXPECT_EQ(GUI_GetClip().x1, 239);
  GUI_DrawTextInRect(nullptr, &r, 0);
  GUI_DrawTextInRect("A", nullptr, 0);
}

TEST_F(TextLayoutTest, WordWrapBreaksAtSpacesAndConsumesThem) {
  // 'aaa b' is 27 pixels wide, 'aaa bb' 33.
  const GUI_Rect r{0, 0, 29, 159};
  GUI_DrawTextWrapped("aaa bbb", &r, 0, GUI_WRAPMODE_WORD);
  EXPECT_EQ(lines(), (std::vector<Line>{{"aaa", 0, 0}, {"bbb", 0, 8}}));
}

TEST_F(TextLayoutTest, WrapModesSplitLines) {
  const GUI_Rect narrow{0, 0, 19, 159};  // three glyphs of 6 pixels
  struct Case {
    const char* text;
    int mode;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"abcdefghij", GUI_WRAPMODE_WORD, {"abc", "def", "ghi", "j"}},  // never an empty line
      {"ab cdefgh", GUI_WRAPMODE_WORD, {"ab", "cde", "fgh"}},
      {"ab\ncd", GUI_WRAPMODE_WORD, {"ab", "cd"}},
      {"abcdefg", GUI_WRAPMODE_CHAR, {"abc", "def", "g"}},
      {"abcdefg\nxy", GUI_WRAPMODE_NONE, {"abcdefg", "xy"}},
  };
  for (const Case& c : cases) {
    GUI_ClearScreen();
    GUI_TextRunsClear();
    GUI_DrawTextWrapped(c.text, &narrow, 0, c.mode);
    std::vector<std::string> texts;
    for (const Line& l : lines()) texts.push_back(l.text);
    EXPECT_EQ(texts, c.lines) << c.text;
  }
}

TEST_F(TextLayoutTest, WrappedBlockIsCentredAndLeavesTheWholeDisplayAsClip) {
  const GUI_Rect small{50, 50, 60, 60};
  GUI_SetClip(&small);
  const GUI_Rect r{0, 0, 29, 39};
  GUI_DrawTextWrapped("aaa bbb", &r, 14, GUI_WRAPMODE_WORD);
  // Two lines of 8 in 40 rows start at 12; 'aaa' (18) and 'bbb' centred in 30 at (29 - 18) / 2.
  EXPECT_EQ(lines(), (std::vector<Line>{{"aaa", 5, 12}, {"bbb", 5, 20}}));
  const GUI_Rect clip = GUI_GetClip();
  EXPECT_EQ((std::vector<int>{clip.x0, clip.y0, clip.x1, clip.y1}), (std::vector<int>{0, 0, 239, 159}));
  GUI_DrawTextWrapped(nullptr, &r, 0, GUI_WRAPMODE_WORD);
}

TEST_F(TextLayoutTest, TextAtAlignsToThePointAndResetsTheHorizontalAlignment) {
  GUI_SetTextAlign(GUI_TA_RIGHT | GUI_TA_BOTTOM);
  GUI_DrawTextAt("ab\ncd", 100, 50);
  // Bottom alignment lifts the text by height - 1; right-aligned lines end at x - 1.
  EXPECT_EQ(lines(), (std::vector<Line>{{"ab", 88, 43}, {"cd", 88, 51}}));
  EXPECT_EQ(GUI_Ctx.textAlign, GUI_TA_BOTTOM);
  EXPECT_EQ(GUI_Ctx.textY, 58);

  GUI_ClearScreen();
  GUI_SetTextAlign(GUI_TA_RIGHT);
  GUI_DrawTextCenteredAt("abcd", 100, 0);
  EXPECT_EQ(lines(), (std::vector<Line>{{"abcd", 88, 0}}));
  EXPECT_EQ(GUI_Ctx.textAlign, GUI_TA_RIGHT);

  GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_DrawTextAt("ab", 10, 100);
  GUI_DrawTextAt("c", GUI_Ctx.textX, GUI_Ctx.textY);
  EXPECT_EQ(GUI_Ctx.textX, 10 + 3 * kTestGlyphWidth);
}

TEST_F(TextLayoutTest, CharactersWithoutGlyphDrawNothingAndDoNotAdvance) {
  GUI_SelectFont(&FontSmall);
  EXPECT_EQ(GUI_GetCharWidth(0xED), 0);
  EXPECT_FALSE(GUI_IsCharInFont(nullptr, 0xED));
  GUI_DrawCharAt(0xED, 10, 10);
  EXPECT_EQ(GUI_Ctx.textX, 10);
  EXPECT_EQ(litCount(0, 0, 239, 159), 0);
  GUI_SelectFont(&FontNormal);
  EXPECT_GT(GUI_GetCharWidth(0xED), 0);
  GUI_DrawCharAt(0xED, 10, 10);
  EXPECT_GT(litCount(0, 0, 239, 159), 0);
  EXPECT_TRUE(GUI_IsCharInFont(&FontSmall, 'A'));
}

TEST_F(TextLayoutTest, IllegalByteIsReportedAndSkipped) {
  GUI_DrawTextAt(
      "a\x80"
      "b",
      0, 0);
  EXPECT_FALSE(host.errors.empty());
  EXPECT_EQ(host.errors.front(), "Illegal character during UTF-8 decoding!");
  EXPECT_EQ(lines(), (std::vector<Line>{{"ab", 0, 0}}));
  EXPECT_EQ(GUI_Ctx.textX, 2 * kTestGlyphWidth);
}

TEST_F(TextLayoutTest, WidthsAndMultiByteText) {
  EXPECT_EQ(GUI_GetTextWidth("a W\xC3\xA9"), kTestGlyphWidth * 2 + kTestSpaceWidth + kTestWideWidth);
  EXPECT_EQ(GUI_GetFontHeight(), 8);
  EXPECT_EQ(GUI_SelectFont(nullptr), &TestFont);
  EXPECT_EQ(GUI_Ctx.font, &TestFont);
}

TEST_F(TextLayoutTest, TextModesDecideInkAndCell) {
  struct Case {
    int mode;
    bool inkLit, cellLit;
  };
  // The glyph's ink is at (1, 1), its empty cell at (5, 0); the ground was lit beforehand.
  const Case cases[] = {
      {DM_NORMAL, true, false}, {DM_REV, false, true}, {DM_TRANS, true, true}, {DM_XOR, false, true}};
  for (const Case& c : cases) {
    GUI_FillArea(0, 0, 20, 20);
    const int previous = GUI_SelectTextMode(c.mode);
    GUI_DrawCharAt('a', 0, 0);
    GUI_SelectTextMode(previous);
    EXPECT_EQ(lit(1, 1), c.inkLit) << c.mode;
    EXPECT_EQ(lit(5, 0), c.cellLit) << c.mode;
    EXPECT_EQ(GUI_Ctx.drawMode, DM_NORMAL);
  }
}

TEST_F(TextLayoutTest, LineDistanceBeyondTheHeightClearsTheBandBelowTheGlyph) {
  GUI_SelectFont(&TestFontTall);
  GUI_FillArea(0, 0, 20, 20);
  GUI_DrawCharAt('a', 0, 0);
  EXPECT_EQ(litCount(0, 8, 5, 9), 0);
  EXPECT_TRUE(lit(6, 9));
  GUI_DrawTextAt("a\nb", 30, 0);
  EXPECT_EQ(lines().back().y0, 10);
}

}  // namespace
