// Circles, polygons, thick lines and arc bands.
#include "gui/core/gui_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/core/gui.h"
#include "gui/core/gui_context.h"

namespace {

constexpr int kMaxCrossings = 12;

// Rounds a value scaled by 1024 to the nearest integer (halves away from zero).
int unscale(int v) { return v >= 0 ? (v + 512) / 1024 : -((-v + 512) / 1024); }

bool rowVisible(int y) {
  const GUI_Rect* outer = GUI_Ctx.outerClip;
  return outer == nullptr || (y >= outer->y0 && y <= outer->y1);
}

int crossingsAt(const GUI_Point* points, int count, int y, int* xs) {
  int n = 0;
  for (int i = 0; i < count && n < kMaxCrossings; ++i) {
    const GUI_Point& p = points[i];
    const GUI_Point& q = points[(i + 1) % count];
    if (p.y == q.y) continue;
    const int lo = std::min(p.y, q.y);
    const int hi = std::max(p.y, q.y);
    // Half-open edges, so that a corner between two edges counts once.
    if (y < lo || y >= hi) continue;
    xs[n++] = p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
  }
  std::sort(xs, xs + n);
  return n;
}

}  // namespace

void GUI_FillCircle(int xc, int yc, int r) {
  const int limit = r * r + r / 2;
  int x = r;
  GUI_DrawHorizontal(yc, xc - r, xc + r);
  for (int y = 1; y <= r * 707 / 1000 + 1; ++y) {
    if (x * x + y * y > limit) {
      // The rows beyond the diagonal, one per step of x.
      GUI_DrawHorizontal(yc + x, xc - y + 1, xc + y - 1);
      GUI_DrawHorizontal(yc - x, xc - y + 1, xc + y - 1);
      --x;
    }
    GUI_DrawHorizontal(yc + y, xc - x, xc + x);
    GUI_DrawHorizontal(yc - y, xc - x, xc + x);
  }
}

void GUI_DrawCircle(int xc, int yc, int r) {
  const int limit = r * r + r / 2;
  int x = r;
  for (int y = 0; y <= r * 707 / 1000 + 1; ++y) {
    if (x * x + y * y > limit) --x;
    if (x < y) break;
    const int px[8] = {xc + x, xc - x, xc + x, xc - x, xc + y, xc - y, xc + y, xc - y};
    const int py[8] = {yc + y, yc + y, yc - y, yc - y, yc + x, yc + x, yc - x, yc - x};
    for (int i = 0; i < 8; ++i) GUI_PutPixel(px[i], py[i]);
  }
}

void GUI_DrawPenDot(int x, int y) {
  if (GUI_Ctx.penSize <= 1) {
    GUI_PutPixel(x, y);
  } else {
    GUI_FillCircle(x, y, (GUI_Ctx.penSize - 1) / 2);
  }
}

void GUI_FillPolygon(const GUI_Point* points, int count) {
  if (count < 3) return;
  int top = points[0].y;
  int bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  int xs[kMaxCrossings];
  for (int y = top; y <= bottom; ++y) {
    if (!rowVisible(y)) continue;
    const int n = crossingsAt(points, count, y, xs);
    for (int i = 0; i + 1 < n; i += 2) GUI_DrawHorizontal(y, xs[i], xs[i + 1]);
  }
}

void GUI_DrawThickLine(int x0, int y0, int x1, int y1) {
  const int pen = GUI_Ctx.penSize;
  const int across = GUI_AngleOf(x1 - x0, y1 - y0) + 1024;
  const int ox = unscale(pen * GUI_Cos(across));
  const int oy = unscale(pen * GUI_Sin(across));
  // Odd widths split evenly: one half rounds down, the other takes the rest;
  // the larger half goes to the side whose last scan line the fill leaves out.
  const int ox1 = ox / 2, ox2 = ox - ox1;
  const int oy1 = oy / 2, oy2 = oy - oy1;
  const GUI_Point corners[4] = {
      {x0 + ox2, y0 + oy2}, {x1 + ox2, y1 + oy2}, {x1 - ox1, y1 - oy1}, {x0 - ox1, y0 - oy1}};
  GUI_FillPolygon(corners, 4);
  GUI_DrawPenDot(x0, y0);
  GUI_DrawPenDot(x1, y1);
}

void GUI_DrawArcBand(int xc, int yc, int rx, int ry, int a0, int a1) {
  if (rx <= 0 || ry <= 0) return;
  while (a0 < 0) {
    a0 += 360;
    a1 += 360;
  }
  while (a0 >= 360) {
    a0 -= 360;
    a1 -= 360;
  }
  if (a1 < a0) return;
  const double half = (GUI_Ctx.penSize + 1.5) / 2;
  const double meanRadius = (rx + ry) / 2.0;
  const int reachX = rx + static_cast<int>(half) + 1;
  const int reachY = ry + static_cast<int>(half) + 1;
  // The band holds the points whose elliptic radius e satisfies |e - 1| * meanRadius <= half;
  // comparing e squared against the squared limits saves a square root per pixel.
  const double inner = std::max(0.0, 1.0 - half / meanRadius);
  const double outer = 1.0 + half / meanRadius;
  const double innerSquared = inner * inner;
  const double outerSquared = outer * outer;
  // Angles count anticlockwise from the right, with y growing downwards on screen. The
  // sector test uses cross products with the two end rays instead of an arc tangent per
  // pixel; rays at exactly the end angles belong to the arc.
  const double startRad = a0 * std::numbers::pi / 180.0;
  const double endRad = a1 * std::numbers::pi / 180.0;
  const double startX = std::cos(startRad), startY = std::sin(startRad);
  const double endX = std::cos(endRad), endY = std::sin(endRad);
  const double middleRad = (startRad + endRad) / 2;
  const double middleX = std::cos(middleRad), middleY = std::sin(middleRad);
  const bool fullCircle = a1 - a0 >= 360;
  const bool wide = a1 - a0 > 180;
  constexpr double kSlack = 1e-9;
  auto inSector = [&](double px, double py) {
    if (fullCircle) return true;
    const double slack = kSlack * (std::fabs(px) + std::fabs(py));
    const double afterStart = startX * py - startY * px;  // >= 0: anticlockwise of the start ray
    const double beforeEnd = px * endY - py * endX;       // >= 0: clockwise of the end ray
    if (wide) return afterStart >= -slack || beforeEnd >= -slack;
    // A narrow sector also lies on the near side of its bisector (this rules out the
    // direction opposite a ray, where both cross products vanish too).
    return afterStart >= -slack && beforeEnd >= -slack && px * middleX + py * middleY >= -slack;
  };
  const double invRx2 = 1.0 / (static_cast<double>(rx) * rx);
  const double invRy2 = 1.0 / (static_cast<double>(ry) * ry);
  auto inBand = [&](int dx, int dy) {
    const double e2 = static_cast<double>(dx) * dx * invRx2 + static_cast<double>(dy) * dy * invRy2;
    if (e2 < innerSquared || e2 > outerSquared) return false;
    if (dx == 0 && dy == 0) return inSector(1.0, 0.0);  // the centre counts as angle 0
    return inSector(dx, -dy);
  };
  // Only the columns near the band's two edges on each row can be inside it.
  auto columnReach = [&](double squaredLimit, int dy) {
    const double rest = squaredLimit - static_cast<double>(dy) * dy * invRy2;
    // A row that only touches the limit still holds its middle column.
    return rest < -1e-9 ? -1.0 : rx * std::sqrt(std::max(0.0, rest));
  };
  // Box around the sector: its corner points and the outer axis points it passes.
  int boxX0 = -reachX, boxX1 = reachX, boxY0 = -reachY, boxY1 = reachY;
  if (!fullCircle) {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    bool first = true;
    auto include = [&](double angleDeg, double radius) {
      // The point at this polar angle on the ellipse of the given elliptic radius.
      const double rad = angleDeg * std::numbers::pi / 180.0;
      const double c = std::cos(rad), s = std::sin(rad);
      const double t = radius / std::sqrt(c * c * invRx2 + s * s * invRy2);
      const double x = t * c, y = -t * s;
      minX = first ? x : std::min(minX, x);
      maxX = first ? x : std::max(maxX, x);
      minY = first ? y : std::min(minY, y);
      maxY = first ? y : std::max(maxY, y);
      first = false;
    };
    for (double radius : {inner, outer}) {
      include(a0, radius);
      include(a1, radius);
    }
    for (int axis = 0; axis <= a1; axis += 90)
      if (axis >= a0) include(axis, outer);
    boxX0 = std::max(boxX0, static_cast<int>(std::floor(minX)) - 1);
    boxX1 = std::min(boxX1, static_cast<int>(std::ceil(maxX)) + 1);
    boxY0 = std::max(boxY0, static_cast<int>(std::floor(minY)) - 1);
    boxY1 = std::min(boxY1, static_cast<int>(std::ceil(maxY)) + 1);
  }
  for (int dy = boxY0; dy <= boxY1; ++dy) {
    if (!rowVisible(yc + dy)) continue;
    const double outerReach = columnReach(outerSquared, dy);
    if (outerReach < 0) continue;
    const int outerX = std::min(reachX, static_cast<int>(outerReach) + 1);
    const double innerReach = columnReach(innerSquared, dy);
    const int innerX = innerReach < 0 ? 0 : std::max(0, static_cast<int>(innerReach) - 1);
    // Left edge from -outerX to -innerX, right edge from innerX to outerX (one run when they meet).
    const int spans[2][2] = {{-outerX, -innerX}, {innerX, outerX}};
    for (int part = 0; part < 2; ++part) {
      const int from = std::max(boxX0, part == 1 && innerX == 0 ? 1 : spans[part][0]);
      const int to = std::min(boxX1, spans[part][1]);
      int runStart = 0;
      bool inRun = false;
      for (int dx = from; dx <= to + 1; ++dx) {
        const bool inside = dx <= to && inBand(dx, dy);
        if (inside && !inRun) runStart = dx;
        if (!inside && inRun) GUI_DrawHorizontal(yc + dy, xc + runStart, xc + dx - 1);
        inRun = inside;
      }
    }
  }
}
