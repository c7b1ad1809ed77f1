// The list engine's rules for scrolling, hiding, showing and restoring.
#include "menus/menu_list.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "gui/core/gui.h"
#include "tests/support/test_host.h"

namespace {

struct Position {
  uint8_t top;
  uint8_t cursor;
  bool operator==(const Position&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Position& p) {
  return os << "{top " << int(p.top) << ", cursor " << int(p.cursor) << "}";
}

Position position() { return {BMM_ListTop(), BMM_ListCursor()}; }

class ListEngine : public ::testing::Test {
 protected:
  ListEngine() { GUI_Startup(); }

  // `count` lines, those in `hidden` hidden, four per page.
  void setUpList(uint8_t count, std::initializer_list<uint8_t> hidden = {}, uint8_t perPage = 4) {
    for (uint8_t i = 0; i < count; ++i) BMM_ListSetLine(i, nullptr);
    BMM_ListSetCount(count);
    for (uint8_t i : hidden) BMM_ListEnable(i, false);
    BMM_ListSetLayout(0, 239, 29, 24, 2, perPage);
  }

  TestHost test;
};

TEST_F(ListEngine, DownKeepsOneLineOfLookAheadUntilTheLastLineFillsTheLastSlot) {
  setUpList(7);
  const Position expected[] = {{0, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 5}, {3, 6}};
  for (const Position& p : expected) {
    EXPECT_TRUE(BMM_ListDown());
    EXPECT_EQ(position(), p);
  }
  EXPECT_FALSE(BMM_ListDown());  // no wrap-around
  EXPECT_EQ(position(), (Position{3, 6}));
}

TEST_F(ListEngine, UpScrollsOnlyWhenTheCursorReachesTheFirstSlotAndALineRemainsAbove) {
  setUpList(7);
  while (BMM_ListDown()) {
  }
  const Position expected[] = {{3, 5}, {3, 4}, {2, 3}, {1, 2}, {0, 1}, {0, 0}};
  for (const Position& p : expected) {
    EXPECT_TRUE(BMM_ListUp());
    EXPECT_EQ(position(), p);
  }
  EXPECT_FALSE(BMM_ListUp());
  EXPECT_EQ(position(), (Position{0, 0}));
}

TEST_F(ListEngine, HiddenLinesAreSkippedAndNeverTakeASlot) {
  setUpList(7, {0, 2, 3});
  EXPECT_EQ(position(), (Position{1, 1}));  // the layout starts on the first shown line
  EXPECT_TRUE(BMM_ListDown());
  EXPECT_EQ(position(), (Position{1, 4}));
  EXPECT_TRUE(BMM_ListDown());
  EXPECT_TRUE(BMM_ListDown());
  EXPECT_EQ(position(), (Position{1, 6}));  // four shown lines fit on one page
  EXPECT_EQ(BMM_ListCountEnabled(0, 6), 4);
  const GUI_Rect cursor = BMM_ListCursorRect();
  EXPECT_EQ(cursor.y0, 29 + 3 * 26);
}

TEST_F(ListEngine, HidingLinesMovesTopAndCursor) {
  struct Case {
    const char* what;
    Position before;
    uint8_t hide;
    Position after;
  } cases[] = {
      {"cursor line: the cursor moves on", {0, 1}, 1, {0, 2}},
      {"cursor line at the end: the cursor moves back, the page stays full", {3, 6}, 6, {2, 5}},
      {"cursor and top line", {2, 2}, 2, {3, 3}},
      {"between top and cursor: the cursor keeps its slot", {1, 3}, 2, {0, 3}},
      {"top line: the top moves back", {2, 4}, 2, {1, 4}},
      {"below the page near the end: the page stays full", {3, 5}, 6, {2, 5}},
      {"below the page far from the end: nothing moves", {0, 1}, 5, {0, 1}},
  };
  for (const Case& c : cases) {
    setUpList(7);
    BMM_ListRestore(c.before.top, c.before.cursor);
    ASSERT_EQ(position(), c.before) << c.what;
    BMM_ListEnable(c.hide, false);
    EXPECT_EQ(position(), c.after) << c.what;
  }
}

TEST_F(ListEngine, HidingTheLastShownLineLeavesTopAndCursorAtZero) {
  setUpList(3, {0, 1});
  BMM_ListEnable(2, false);
  EXPECT_EQ(position(), (Position{0, 0}));
  EXPECT_FALSE(BMM_ListDown());
  EXPECT_FALSE(BMM_ListUp());
  BMM_ListEnable(1, true);  // the only shown line takes top and cursor
  EXPECT_EQ(position(), (Position{1, 1}));
}

TEST_F(ListEngine, ShowingALineAboveKeepsThePageFull) {
  setUpList(7, {1});
  BMM_ListRestore(2, 6);  // shown from the top to the end: 2, 3, 4, 5, 6
  EXPECT_EQ(position(), (Position{3, 6}));
  BMM_ListEnable(1, true);  // above the top, page full already: nothing moves
  EXPECT_EQ(position(), (Position{3, 6}));

  setUpList(7, {4});
  BMM_ListRestore(2, 5);    // 2, 3, 5, 6 shown on the page
  BMM_ListEnable(4, true);  // between top and cursor with more than a page to the end
  EXPECT_EQ(position(), (Position{3, 5}));
}

TEST_F(ListEngine, RestoreAfterLinesWereHiddenKeepsThePageFull) {
  struct Case {
    const char* what;
    std::initializer_list<uint8_t> hidden;
    Position saved;
    Position restored;
  } cases[] = {
      {"nothing hidden", {}, {3, 6}, {3, 6}},
      {"lines near the end hidden: the top moves back", {5, 6}, {3, 4}, {1, 4}},
      {"saved cursor hidden: first shown line", {4}, {3, 4}, {0, 0}},
      {"saved top hidden: the cursor ends the page", {3}, {3, 5}, {1, 5}},
      {"cursor below the page: the top follows", {}, {0, 6}, {3, 6}},
  };
  for (const Case& c : cases) {
    setUpList(7, c.hidden);
    BMM_ListRestore(c.saved.top, c.saved.cursor);
    EXPECT_EQ(position(), c.restored) << c.what;
  }
}

}  // namespace
