// Shapes that lines and arcs are built from.
#pragma once

struct GUI_Point {
  int x;
  int y;
};

// A dot as large as the pen: one pixel, or a filled circle.
void GUI_DrawPenDot(int x, int y);
// A line as wide as the pen, with round ends.
void GUI_DrawThickLine(int x0, int y0, int x1, int y1);
// Fills a polygon scan line by scan line (at most 12 crossings per line).
void GUI_FillPolygon(const GUI_Point* points, int count);
// Fixed-point trigonometry: angles in 1/4096 of a full turn, values scaled by 1024.
int GUI_AngleOf(int dx, int dy);
int GUI_Sin(int angle);
int GUI_Cos(int angle);
