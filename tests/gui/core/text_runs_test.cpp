#include <gtest/gtest.h>

#include <string>

#include "gui/core/gui.h"
#include "gui/core/gui_text_runs.h"
#include "gui/core/lcd.h"
#include "platform/panel_memory.h"
#include "tests/gui/core/gfx_fixture.h"
#include "tests/gui/core/test_font.h"

namespace {

class TextRunsTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    GUI_SelectFont(&TestFont);
  }
  // A menu-like list: four lines of 8 pixels from y 28.
  void drawList() {
    for (int i = 0; i < 4; ++i) {
      const GUI_Rect line{0, static_cast<int16_t>(28 + 8 * i), 239, static_cast<int16_t>(35 + 8 * i)};
      GUI_DrawTextInRect(kItems[i], &line, 12);
    }
  }
  static const PanelTextRun* find(const std::string& text) {
    for (int i = 0; i < GUI_TextRunsCount(); ++i)
      if (text == GUI_TextRunsAt(i).text) return &GUI_TextRunsAt(i);
    return nullptr;
  }
  static constexpr const char* kItems[4] = {"Heizung", "Warmwasser", "Zirkulation", "Urlaub"};
};

TEST_F(TextRunsTest, DrawnTextIsRecordedWithItsRectangle) {
  drawList();
  ASSERT_EQ(GUI_TextRunsCount(), 4);
  const PanelTextRun* run = find("Warmwasser");
  ASSERT_NE(run, nullptr);
  EXPECT_EQ((std::vector<int>{run->x0, run->y0, run->x1, run->y1}), (std::vector<int>{0, 36, 63, 43}));
  EXPECT_FALSE(run->inverted);
}

TEST_F(TextRunsTest, XorBarAndReverseTextShowInverted) {
  drawList();
  GUI_InvertArea(0, 36, 239, 43);  // list cursor
  EXPECT_TRUE(find("Warmwasser")->inverted);
  EXPECT_FALSE(find("Heizung")->inverted);
  GUI_InvertArea(0, 36, 239, 43);
  EXPECT_FALSE(find("Warmwasser")->inverted);

  const int previous = GUI_SelectTextMode(DM_REV);
  GUI_DrawTextAt("OK", 100, 100);
  GUI_SelectTextMode(previous);
  EXPECT_TRUE(find("OK")->inverted);

  // Dark ink over a light bar drawn beforehand.
  GUI_FillArea(0, 140, 239, 147);
  GUI_SetForeground(GUI_BLACK);
  GUI_SelectTextMode(DM_TRANS);
  GUI_DrawTextAt("Hinweis", 0, 140);
  GUI_SelectTextMode(DM_NORMAL);
  EXPECT_TRUE(find("Hinweis")->inverted);
}

TEST_F(TextRunsTest, ClearingRemovesWhatItCoversAtLeastHalf) {
  drawList();
  GUI_ClearArea(0, 28, 239, 35);   // the whole first line
  GUI_ClearArea(0, 44, 30, 51);    // 31 of 66 pixels of "Zirkulation": kept
  GUI_ClearArea(0, 52, 20, 59);    // 21 of 36 pixels of "Urlaub": gone
  GUI_DrawHorizontal(40, 0, 239);  // lines never remove text
  EXPECT_EQ(find("Heizung"), nullptr);
  EXPECT_NE(find("Warmwasser"), nullptr);
  EXPECT_NE(find("Zirkulation"), nullptr);
  EXPECT_EQ(find("Urlaub"), nullptr);
  GUI_ClearScreen();
  EXPECT_EQ(GUI_TextRunsCount(), 0);
}

TEST_F(TextRunsTest, OverdrawnTextReplacesTheOldRun) {
  GUI_DrawTextAt("21.5", 100, 60);
  GUI_DrawTextAt("22.0", 100, 60);
  ASSERT_EQ(GUI_TextRunsCount(), 1);
  EXPECT_STREQ(GUI_TextRunsAt(0).text, "22.0");
}

TEST_F(TextRunsTest, RefreshPublishesTheRecordToThePanel) {
  drawList();
  EXPECT_EQ(host.panel()->textRunCount, 0);
  LCD_Refresh();
  ASSERT_EQ(host.panel()->textRunCount, 4);
  EXPECT_STREQ(host.panel()->textRuns[3].text, "Urlaub");
  GUI_ClearScreen();
  const GUI_Rect part{0, 0, 9, 9};
  LCD_RefreshArea(&part);
  EXPECT_EQ(host.panel()->textRunCount, 0);
  LCD_TestChecker();
  EXPECT_EQ(host.panel()->textRunCount, 0);
}

TEST_F(TextRunsTest, FullTableDropsTheOldestAndLongTextsAreCutAtACharacter) {
  for (int i = 0; i < PanelMemory::kMaxTextRuns + 2; ++i)
    GUI_DrawTextAt(std::to_string(i).c_str(), (i % 5) * 40, (i / 5) * 8);
  EXPECT_EQ(GUI_TextRunsCount(), PanelMemory::kMaxTextRuns);
  EXPECT_EQ(find("0"), nullptr);
  EXPECT_NE(find("49"), nullptr);

  GUI_ClearScreen();
  std::string longText;
  for (int i = 0; i < 100; ++i) longText += "\xC3\xA9";  // 200 bytes
  GUI_DrawTextAt(longText.c_str(), 0, 0);
  const std::string stored = GUI_TextRunsAt(0).text;
  EXPECT_EQ(stored.size(), 126u);
  EXPECT_EQ(stored.substr(0, 2), "\xC3\xA9");
}

}  // namespace
