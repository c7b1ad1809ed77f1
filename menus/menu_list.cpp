#include "menus/menu_list.h"

#include "gui/core/gui.h"

namespace {

struct MenuLine {
  MenuLineDrawFn draw;
  uint8_t enabled;
};

struct ListState {
  MenuLine lines[kListMaxLines];
  uint8_t count;
  uint8_t top;
  uint8_t cursor;
  ListLayout layout;
  uint8_t cursorVisible = 1;
};

ListState List;

bool shown(uint8_t i) { return i < List.count && List.lines[i].enabled != 0; }

uint8_t perPage() { return List.layout.linesPerPage; }

uint8_t shownToEnd() { return BMM_ListCountEnabled(List.top, BMM_ListLastEnabled()); }

// Moves `from` by `steps` shown lines backwards, stopping at the first one.
uint8_t stepBack(uint8_t from, int steps) {
  for (; steps > 0; --steps) {
    const uint8_t previous = BMM_ListPrevEnabled(from);
    if (previous == from) break;
    from = previous;
  }
  return from;
}

uint8_t stepForward(uint8_t from, int steps) {
  for (; steps > 0; --steps) {
    const uint8_t next = BMM_ListNextEnabled(from);
    if (next == from) break;
    from = next;
  }
  return from;
}

void showLine(uint8_t i) {
  if (BMM_ListEnabledCount() == 1) {
    List.top = List.cursor = i;
  } else if (i >= List.top && i < List.cursor && shownToEnd() > perPage()) {
    List.top = BMM_ListNextEnabled(List.top);
  } else if (i < List.top && shownToEnd() < perPage()) {
    List.top = BMM_ListPrevEnabled(List.top);
  }
}

void hideCursorLine(uint8_t i) {
  const bool wasTop = i == List.top;
  const uint8_t next = BMM_ListNextEnabled(i);
  if (next != i) {
    List.cursor = next;
    if (shownToEnd() < perPage()) List.top = BMM_ListPrevEnabled(List.top);
  } else {
    List.cursor = BMM_ListPrevEnabled(i);
    List.top = BMM_ListPrevEnabled(List.top);
  }
  if (wasTop) List.top = List.cursor;
}

void hideLine(uint8_t i) {
  if (BMM_ListEnabledCount() == 0) {
    List.top = List.cursor = 0;
  } else if (i == List.cursor) {
    hideCursorLine(i);
  } else if (i > List.top && i < List.cursor) {
    List.top = BMM_ListPrevEnabled(List.top);
  } else if (i == List.top) {
    const uint8_t previous = BMM_ListPrevEnabled(i);
    List.top = previous != i ? previous : BMM_ListNextEnabled(i);
  } else if (shownToEnd() < perPage()) {
    List.top = BMM_ListPrevEnabled(List.top);
  }
}

GUI_Rect slotRect(int y) {
  return GUI_Rect{List.layout.x0, static_cast<int16_t>(y), List.layout.x1,
                  static_cast<int16_t>(y + List.layout.lineHeight - 1)};
}

}  // namespace

void BMM_ListSetLine(uint8_t index, MenuLineDrawFn draw) {
  if (index >= kListMaxLines) return;
  List.lines[index] = MenuLine{draw, 1};
}

void BMM_ListSetCount(uint8_t n) { List.count = n <= kListMaxLines ? n : kListMaxLines; }

void BMM_ListEnable(uint8_t index, bool on) {
  if (index >= List.count || (List.lines[index].enabled != 0) == on) return;
  List.lines[index].enabled = on ? 1 : 0;
  if (on) {
    showLine(index);
  } else {
    hideLine(index);
  }
}

bool BMM_ListIsEnabled(uint8_t index) { return shown(index); }

void BMM_ListSetLayout(uint8_t x0, uint8_t x1, uint8_t y0, uint8_t lineHeight, uint8_t lineGap,
                       uint8_t linesPerPage) {
  BMM_ListSetLayout(ListLayout{x0, x1, y0, lineHeight, lineGap, linesPerPage});
}

void BMM_ListSetLayout(const ListLayout& layout) {
  List.layout = layout;
  List.top = List.cursor = BMM_ListFirstEnabled();
  List.cursorVisible = 1;
}

void BMM_ListDraw() {
  const ListLayout& l = List.layout;
  int y = l.y0;
  uint8_t index = List.top;
  for (uint8_t slot = 0; slot < l.linesPerPage;) {
    const GUI_Rect r = slotRect(y);
    if (index >= List.count) {
      GUI_ClearAreaRect(&r);
    } else if (!shown(index)) {
      ++index;
      continue;
    } else {
      GUI_ClearAreaRect(&r);
      const GUI_Rect inner{static_cast<int16_t>(l.x0 + 1), r.y0, static_cast<int16_t>(l.x1 - 1), r.y1};
      if (List.lines[index].draw != nullptr) List.lines[index].draw(&inner, index);
      if (List.cursorVisible != 0 && index == List.cursor) GUI_InvertArea(r.x0, r.y0, r.x1, r.y1);
      ++index;
    }
    ++slot;
    y += l.lineHeight + l.lineGap;
  }
}

bool BMM_ListDown() {
  const uint8_t next = BMM_ListNextEnabled(List.cursor);
  if (next == List.cursor) return false;
  List.cursor = next;
  const uint8_t onPage = BMM_ListCountEnabled(List.top, List.cursor);
  const bool last = List.cursor == BMM_ListLastEnabled();
  if ((!last && onPage >= perPage()) || (last && onPage > perPage())) {
    List.top = BMM_ListNextEnabled(List.top);
  }
  BMM_ListDraw();
  return true;
}

bool BMM_ListUp() {
  const uint8_t previous = BMM_ListPrevEnabled(List.cursor);
  if (previous == List.cursor) return false;
  List.cursor = previous;
  if (List.cursor == BMM_ListFirstEnabled()) {
    List.top = List.cursor;
  } else if (List.cursor <= List.top) {
    List.top = BMM_ListPrevEnabled(List.top);
  }
  BMM_ListDraw();
  return true;
}

void BMM_ListRestore(uint8_t top, uint8_t cursor) {
  if (!shown(cursor)) {
    List.top = List.cursor = BMM_ListFirstEnabled();
    return;
  }
  List.cursor = cursor;
  if (!shown(top) || top > cursor) {
    List.top = stepBack(cursor, perPage() - 1);
    return;
  }
  List.top = top;
  const int onPage = BMM_ListCountEnabled(top, cursor);
  if (onPage <= perPage()) {
    const int toEnd = shownToEnd();
    if (toEnd < perPage()) List.top = stepBack(top, perPage() - toEnd);
  } else {
    List.top = stepForward(top, onPage - perPage());
  }
}

uint8_t BMM_ListCursor() { return List.cursor; }
uint8_t BMM_ListTop() { return List.top; }

GUI_Rect BMM_ListCursorRect() {
  const ListLayout& l = List.layout;
  const int slot = BMM_ListCountEnabled(List.top, List.cursor) - 1;
  const int y = l.y0 + (l.lineHeight + l.lineGap) * (slot < 0 ? 0 : slot);
  return GUI_Rect{1, static_cast<int16_t>(y), 238, static_cast<int16_t>(y + l.lineHeight - 1)};
}

GUI_Rect BMM_ListArea() {
  const ListLayout& l = List.layout;
  const int height = l.linesPerPage * (l.lineHeight + l.lineGap) - l.lineGap;
  return GUI_Rect{l.x0, l.y0, l.x1, static_cast<int16_t>(l.y0 + height - 1)};
}

void BMM_ListShowCursor(bool on) { List.cursorVisible = on ? 1 : 0; }

uint8_t BMM_ListEnabledCount() { return List.count == 0 ? 0 : BMM_ListCountEnabled(0, List.count - 1); }

uint8_t BMM_ListFirstEnabled() {
  for (uint8_t i = 0; i < List.count; ++i)
    if (shown(i)) return i;
  return 0;
}

uint8_t BMM_ListLastEnabled() {
  for (uint8_t i = List.count; i > 0; --i)
    if (shown(static_cast<uint8_t>(i - 1))) return static_cast<uint8_t>(i - 1);
  return 0;
}

uint8_t BMM_ListNextEnabled(uint8_t i) {
  for (uint8_t j = static_cast<uint8_t>(i + 1); j < List.count; ++j)
    if (shown(j)) return j;
  return i;
}

uint8_t BMM_ListPrevEnabled(uint8_t i) {
  for (uint8_t j = i; j > 0; --j)
    if (shown(static_cast<uint8_t>(j - 1))) return static_cast<uint8_t>(j - 1);
  return i;
}

uint8_t BMM_ListCountEnabled(uint8_t from, uint8_t to) {
  uint8_t n = 0;
  for (int i = from; i <= to && i < List.count; ++i)
    if (shown(static_cast<uint8_t>(i))) ++n;
  return n;
}
