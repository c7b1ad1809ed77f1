// The front of the operating unit as a table of shapes: body, display
// recess, navigation pad, the eight keys and the logo strip. The device
// picture and the pressed-keys picture are both drawn from this table.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRect>
#include <QString>

namespace devicepic {

constexpr int kWidth = 450;
constexpr int kHeight = 311;
// Everything that is not a key in the pressed-keys picture.
constexpr QRgb kTransparent = 0xFF00FF00;

enum class KeyOutline { RoundedRect, PadCap, Disc };
enum class KeySymbol { BackArrow, ArrowUp, ArrowLeft, OkText, ArrowRight, ArrowDown, Question, MenuBars };

// One front key. `bounds` is the exact pixel box the key covers (left/top
// inclusive, right/bottom exclusive); the outline touches all four sides.
struct KeyShape {
  const char* name;
  QRect bounds;
  KeyOutline outline;
  KeySymbol symbol;
};

// The keys in the order the hardkey scan numbers them (top row, then left edge).
const KeyShape* frontKeys();
int frontKeyCount();

// Geometry shared by the keys of the navigation pad.
QRectF padEllipse();
QRectF okDisc();

// The outline of a key in pixel-edge coordinates.
QPainterPath keyOutline(const KeyShape& key);

struct Palette {
  QColor bodyTop, bodyBottom, bodyEdge;
  QColor recess, recessEdge, glass;
  QColor padRing;
  QColor key, keyPressed, keyEdge, keyHighlight;
  QColor symbol, symbolPressed;
  QColor logoBand, logoText, logoSubText, accent;
};
const Palette& palette();

}  // namespace devicepic
