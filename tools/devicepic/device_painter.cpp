#include "tools/devicepic/device_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "tools/devicepic/device_front.h"

namespace devicepic {
namespace {

const QRectF kBody(0, 0, kWidth, kHeight);
constexpr double kBodyRadius = 18;
const QRectF kRecess(35, 20, 260, 180);
const QRect kLcd(45, 30, 240, 160);
const QRectF kLogoBand(0, 252, kWidth, 59);

QImage blankImage(QColor fill) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

// Keeps the drawn pixels whose centre lies inside `path` and gives every
// other pixel the transparent colour: the pictures must have hard edges,
// because the key and window shapes are read back from them pixel by pixel.
void keepInside(QImage& image, const QPainterPath& path) {
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      row[x] = path.contains(QPointF(x + 0.5, y + 0.5)) ? (row[x] | 0xFF000000u) : kTransparent;
  }
}

QPointF symbolCentre(const KeyShape& key) {
  const QRectF r = keyOutline(key).boundingRect();
  switch (key.symbol) {
    case KeySymbol::ArrowUp:
      return {r.center().x(), r.top() + 10};
    case KeySymbol::ArrowDown:
      return {r.center().x(), r.bottom() - 10};
    case KeySymbol::ArrowLeft:
      return {r.left() + 10, r.center().y()};
    case KeySymbol::ArrowRight:
      return {r.right() - 10, r.center().y()};
    default:
      return r.center();
  }
}

void drawTriangle(QPainter& p, QPointF c, double dx, double dy) {
  // (dx, dy) is the direction the arrow points in.
  const double s = 5.5;
  const QPointF tip(c.x() + dx * s, c.y() + dy * s);
  const QPointF a(c.x() - dx * s * 0.6 - dy * s, c.y() - dy * s * 0.6 + dx * s);
  const QPointF b(c.x() - dx * s * 0.6 + dy * s, c.y() - dy * s * 0.6 - dx * s);
  p.setPen(Qt::NoPen);
  p.drawPolygon(QPolygonF({tip, a, b}));
}

void drawBackArrow(QPainter& p, QPointF c, QColor colour) {
  QPen pen(colour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(c.x() - 6, c.y() - 5);
  path.lineTo(c.x() + 3, c.y() - 5);
  path.arcTo(QRectF(c.x() - 2, c.y() - 5, 11, 11), 90, -180);
  path.lineTo(c.x() - 4, c.y() + 6);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF(
      {QPointF(c.x() - 12, c.y() - 5), QPointF(c.x() - 5, c.y() - 10.5), QPointF(c.x() - 5, c.y() + 0.5)}));
}

void drawText(QPainter& p, QPointF c, const QString& text, int pixelSize, QColor colour) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(c.x() - 30, c.y() - 20, 60, 40), Qt::AlignCenter, text);
}

void drawMenuBars(QPainter& p, QPointF c, QColor colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = -1; i <= 1; ++i) {
    const double y = c.y() + i * 6.5;
    p.drawEllipse(QPointF(c.x() - 12, y), 1.9, 1.9);
    p.drawRoundedRect(QRectF(c.x() - 7, y - 1.4, 20, 2.8), 1.4, 1.4);
  }
}

void drawSymbol(QPainter& p, const KeyShape& key, QColor colour, double shift) {
  const QPointF c = symbolCentre(key) + QPointF(shift, shift);
  p.setBrush(colour);
  switch (key.symbol) {
    case KeySymbol::BackArrow:
      drawBackArrow(p, c, colour);
      break;
    case KeySymbol::ArrowUp:
      drawTriangle(p, c, 0, -1);
      break;
    case KeySymbol::ArrowDown:
      drawTriangle(p, c, 0, 1);
      break;
    case KeySymbol::ArrowLeft:
      drawTriangle(p, c, -1, 0);
      break;
    case KeySymbol::ArrowRight:
      drawTriangle(p, c, 1, 0);
      break;
    case KeySymbol::OkText:
      drawText(p, c, "OK", 14, colour);
      break;
    case KeySymbol::Question:
      drawText(p, c, "?", 19, colour);
      break;
    case KeySymbol::MenuBars:
      drawMenuBars(p, c, colour);
      break;
  }
}

void drawKey(QPainter& p, const KeyShape& key, bool pressed) {
  const Palette& pal = palette();
  const QPainterPath outline = keyOutline(key);
  const QRectF r = outline.boundingRect();
  QLinearGradient face(r.topLeft(), r.bottomLeft());
  if (pressed) {
    face.setColorAt(0, pal.keyPressed.darker(115));
    face.setColorAt(1, pal.keyPressed);
  } else {
    face.setColorAt(0, pal.keyHighlight);
    face.setColorAt(0.35, pal.key);
    face.setColorAt(1, pal.key.darker(112));
  }
  p.setPen(QPen(pal.keyEdge, 1.2));
  p.setBrush(face);
  p.drawPath(outline);
  drawSymbol(p, key, pressed ? pal.symbolPressed : pal.symbol, pressed ? 0.8 : 0);
}

void drawBody(QPainter& p) {
  const Palette& pal = palette();
  QLinearGradient body(0, 0, 0, kHeight);
  body.setColorAt(0, pal.bodyTop);
  body.setColorAt(1, pal.bodyBottom);
  p.setPen(QPen(pal.bodyEdge, 1.5));
  p.setBrush(body);
  p.drawRoundedRect(kBody.adjusted(0.75, 0.75, -0.75, -0.75), kBodyRadius, kBodyRadius);
}

void drawRecess(QPainter& p) {
  const Palette& pal = palette();
  QLinearGradient bezel(kRecess.topLeft(), kRecess.bottomLeft());
  bezel.setColorAt(0, pal.recessEdge);
  bezel.setColorAt(1, pal.recess);
  p.setPen(QPen(pal.bodyEdge.darker(120), 1.0));
  p.setBrush(bezel);
  p.drawRoundedRect(kRecess, 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(pal.glass);
  p.drawRect(QRectF(kLcd).adjusted(-2, -2, 2, 2));
}

void drawPadRing(QPainter& p) {
  const Palette& pal = palette();
  QRadialGradient ring(padEllipse().center(), 58);
  ring.setColorAt(0.8, pal.padRing);
  ring.setColorAt(1, pal.padRing.darker(108));
  p.setPen(QPen(pal.bodyEdge, 1.0));
  p.setBrush(ring);
  p.drawEllipse(padEllipse().adjusted(-5, -5, 5, 5));
}

void drawLogo(QPainter& p) {
  const Palette& pal = palette();
  QPainterPath body;
  body.addRoundedRect(kBody, kBodyRadius, kBodyRadius);
  QPainterPath band;
  band.addRect(kLogoBand);
  p.setPen(Qt::NoPen);
  p.setBrush(pal.logoBand);
  p.drawPath(body.intersected(band));
  p.setBrush(pal.accent);
  p.drawRect(QRectF(0, kLogoBand.top(), kWidth, 3));

  QFont brand("DejaVu Sans");
  brand.setPixelSize(24);
  brand.setBold(true);
  brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(brand);
  p.setPen(pal.logoText);
  const QRectF textBox(45, kLogoBand.top() + 6, 300, kLogoBand.height() - 6);
  p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, "Kalvero");
  const double brandWidth = QFontMetricsF(brand).horizontalAdvance("Kalvero");

  QFont model("DejaVu Sans");
  model.setPixelSize(17);
  p.setFont(model);
  p.setPen(pal.logoSubText);
  p.drawText(textBox.adjusted(brandWidth + 12, 3, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, "200 KM3D");

  // A small flame mark on the right of the strip.
  const QPointF m(392, kLogoBand.top() + 31);
  QPainterPath flame;
  flame.moveTo(m.x(), m.y() + 11);
  flame.cubicTo(m.x() - 12, m.y() + 8, m.x() - 8, m.y() - 4, m.x() + 1, m.y() - 13);
  flame.cubicTo(m.x() + 1, m.y() - 4, m.x() + 11, m.y() - 1, m.x() + 9, m.y() + 5);
  flame.cubicTo(m.x() + 8, m.y() + 9, m.x() + 4, m.y() + 11, m.x(), m.y() + 11);
  p.setBrush(pal.accent);
  p.drawPath(flame);
}

}  // namespace

QImage paintDevicePicture() {
  QImage image = blankImage(palette().bodyEdge);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBody(p);
    drawRecess(p);
    drawPadRing(p);
    for (int i = 0; i < frontKeyCount(); ++i) drawKey(p, frontKeys()[i], false);
    drawLogo(p);
  }
  QPainterPath body;
  body.addRoundedRect(kBody, kBodyRadius, kBodyRadius);
  keepInside(image, body);
  return image.convertToFormat(QImage::Format_RGB888);
}

QImage paintPressedKeysPicture() {
  QImage image = blankImage(palette().keyPressed);
  QPainterPath allKeys;
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < frontKeyCount(); ++i) {
      drawKey(p, frontKeys()[i], true);
      allKeys.addPath(keyOutline(frontKeys()[i]));
    }
  }
  keepInside(image, allKeys);
  return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace devicepic
