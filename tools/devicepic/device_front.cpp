#include "tools/devicepic/device_front.h"

namespace devicepic {
namespace {

// Boxes as (left, top, right exclusive, bottom exclusive).
constexpr QRect box(int left, int top, int rightExclusive, int bottomExclusive) {
  return QRect(QPoint(left, top), QPoint(rightExclusive - 1, bottomExclusive - 1));
}

const KeyShape kKeys[] = {
    {"back", box(335, 32, 405, 60), KeyOutline::RoundedRect, KeySymbol::BackArrow},
    {"up", box(347, 65, 388, 84), KeyOutline::PadCap, KeySymbol::ArrowUp},
    {"left", box(319, 90, 343, 135), KeyOutline::PadCap, KeySymbol::ArrowLeft},
    {"ok", box(346, 90, 392, 135), KeyOutline::Disc, KeySymbol::OkText},
    {"right", box(395, 90, 421, 135), KeyOutline::PadCap, KeySymbol::ArrowRight},
    {"down", box(346, 138, 392, 161), KeyOutline::PadCap, KeySymbol::ArrowDown},
    {"help", box(332, 164, 405, 196), KeyOutline::RoundedRect, KeySymbol::Question},
    {"menu", box(332, 202, 405, 230), KeyOutline::RoundedRect, KeySymbol::MenuBars},
};

QRectF edges(const QRect& r) { return QRectF(r.left(), r.top(), r.width(), r.height()); }

}  // namespace

const KeyShape* frontKeys() { return kKeys; }
int frontKeyCount() { return static_cast<int>(std::size(kKeys)); }

QRectF padEllipse() { return QRectF(319, 65, 102, 96); }
QRectF okDisc() { return edges(kKeys[3].bounds); }

QPainterPath keyOutline(const KeyShape& key) {
  QPainterPath path;
  switch (key.outline) {
    case KeyOutline::RoundedRect:
      path.addRoundedRect(edges(key.bounds), 9, 9);
      return path;
    case KeyOutline::Disc:
      path.addEllipse(edges(key.bounds));
      return path;
    case KeyOutline::PadCap: {
      // A cap of the pad: the pad's ellipse inside the key's box, kept
      // clear of the OK disc by a small gap.
      QPainterPath pad;
      pad.addEllipse(padEllipse());
      QPainterPath clip;
      clip.addRect(edges(key.bounds));
      QPainterPath okGap;
      okGap.addEllipse(okDisc().adjusted(-3, -3, 3, 3));
      return pad.intersected(clip).subtracted(okGap);
    }
  }
  return path;
}

const Palette& palette() {
  static const Palette p{
      .bodyTop = QColor(0xf4, 0xf5, 0xf6),
      .bodyBottom = QColor(0xd9, 0xdc, 0xe0),
      .bodyEdge = QColor(0xa9, 0xae, 0xb4),
      .recess = QColor(0x23, 0x27, 0x2c),
      .recessEdge = QColor(0x0f, 0x11, 0x14),
      .glass = QColor(0x10, 0x12, 0x14),
      .padRing = QColor(0xc4, 0xc8, 0xcd),
      .key = QColor(0x3b, 0x41, 0x48),
      .keyPressed = QColor(0x22, 0x26, 0x2b),
      .keyEdge = QColor(0x1c, 0x1f, 0x23),
      .keyHighlight = QColor(0x5a, 0x62, 0x6b),
      .symbol = QColor(0xf2, 0xf3, 0xf4),
      .symbolPressed = QColor(0xff, 0x9a, 0x3c),
      .logoBand = QColor(0x2c, 0x31, 0x37),
      .logoText = QColor(0xff, 0xff, 0xff),
      .logoSubText = QColor(0xb8, 0xc0, 0xc8),
      .accent = QColor(0xf0, 0x7d, 0x1e),
  };
  return p;
}

}  // namespace devicepic
