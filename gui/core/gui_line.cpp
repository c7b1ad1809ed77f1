// Straight lines between two points, with line styles and pen sizes.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"
#include "gui/core/gui_shapes.h"

namespace {

// Whether pattern position n is a gap of the current line style.
bool isGap(int n) {
  switch (GUI_Ctx.lineStyle) {
    case LS_DASH:
      return (n + 6) % 16 < 12;
    case LS_DOT:
      return n % 4 < 2;
    case LS_DASHDOT: {
      const int m = n % 20;
      return m < 12 || (m >= 16 && m < 18);
    }
    case LS_DASHDOTDOT: {
      const int m = n % 24;
      return m < 12 || (m >= 16 && m < 18) || (m >= 20 && m < 22);
    }
    default:
      return false;
  }
}

bool isStyled() { return GUI_Ctx.lineStyle >= LS_DASH && GUI_Ctx.lineStyle <= LS_DASHDOTDOT; }

void putPixel(int major, int minor, bool axesExchanged) {
  if (axesExchanged) {
    GUI_PutPixel(minor, major);
  } else {
    GUI_PutPixel(major, minor);
  }
}

void drawStraight(int x0, int y0, int dx, bool axesExchanged) {
  if (!isStyled()) {
    if (axesExchanged) {
      GUI_DrawVertical(y0, x0, x0 + dx);
    } else {
      GUI_DrawHorizontal(y0, x0, x0 + dx);
    }
    return;
  }
  for (int i = 0; i <= dx; ++i) {
    if (!isGap(i)) putPixel(x0 + i, y0, axesExchanged);
  }
}

void drawThinLine(int x0, int y0, int x1, int y1) {
  int dx = x1 - x0;
  int dy = y1 - y0;
  if (dx == 0 && dy == 0) {
    GUI_DrawPenDot(x0, y0);
    return;
  }
  // Step along the longer axis, from the end with the smaller coordinate.
  const bool axesExchanged = std::abs(dx) < std::abs(dy);
  if (axesExchanged) {
    std::swap(x0, y0);
    std::swap(x1, y1);
    std::swap(dx, dy);
  }
  const bool endsExchanged = dx < 0;
  if (endsExchanged) {
    dx = -dx;
    dy = -dy;
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  if (dy == 0) {
    drawStraight(x0, y0, dx, axesExchanged);
    return;
  }
  const int rounding = dy < 0 ? -(dx / 2) : dx / 2;
  for (int i = 0; i <= dx; ++i) {
    if (isStyled()) {
      const int n = endsExchanged ? dx - 1 - i : i + 1;
      if (isGap(n)) continue;
    }
    putPixel(x0 + i, y0 + (dy * i + rounding) / dx, axesExchanged);
  }
}

}  // namespace

void GUI_DrawSegment(int x0, int y0, int x1, int y1) {
  if (GUI_Ctx.penSize <= 1) {
    drawThinLine(x0, y0, x1, y1);
  } else {
    GUI_DrawThickLine(x0, y0, x1, y1);
  }
}
