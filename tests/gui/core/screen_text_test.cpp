#include "sim/screen_text.h"

#include <gtest/gtest.h>

#include "gui/core/gui.h"
#include "gui/core/lcd.h"
#include "tests/gui/core/gfx_fixture.h"

namespace {

class ScreenTextTest : public GfxTest {
 protected:
  // A title, a list with the cursor on its second line and a hint, as a menu draws them.
  void drawMenu() {
    GUI_ClearScreen();
    const GUI_Rect title{0, 0, 239, 26};
    GUI_DrawTextInRect("Hauptmenü", &title, 14);
    const char* items[] = {"Heizung", "Warmwasser \"WW\"", "Urlaub"};
    for (int i = 0; i < 3; ++i) {
      const GUI_Rect line{0, static_cast<int16_t>(28 + 26 * i), 239, static_cast<int16_t>(53 + 26 * i)};
      GUI_DrawTextInRect(items[i], &line, 12);
    }
    GUI_InvertArea(0, 54, 239, 79);
    LCD_Refresh();
  }
};

TEST_F(ScreenTextTest, FindsTextsAndTheInvertedCursorLine) {
  drawMenu();
  const PanelMemory& panel = *host.panel();
  EXPECT_EQ(screen_text::find(panel, "Heiz").size(), 1u);
  EXPECT_TRUE(screen_text::find(panel, "Heizung", true).empty());
  const auto cursor = screen_text::find(panel, "Warm", true);
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(cursor[0].y0, 57);
  EXPECT_TRUE(screen_text::find(panel, "Zirkulation").empty());
}

TEST_F(ScreenTextTest, DumpListsRunsTopToBottomWithPlaceAndMarks) {
  drawMenu();
  const std::string dump = screen_text::dump(*host.panel());
  const size_t title = dump.find("\"Hauptmenü\"");
  const size_t cursor = dump.find("inv \"Warmwasser \\\"WW\\\"\"");
  ASSERT_NE(title, std::string::npos) << dump;
  ASSERT_NE(cursor, std::string::npos) << dump;
  EXPECT_LT(title, cursor);
  EXPECT_EQ(screen_text::format(screen_text::Run{"Heizung", 0, 28, 239, 53, true}),
            "[  0, 28..239, 53] inv \"Heizung\"");
  EXPECT_EQ(screen_text::format(screen_text::Run{"x", 5, 6, 7, 8, false}), "[  5,  6..  7,  8]     \"x\"");
}

}  // namespace
