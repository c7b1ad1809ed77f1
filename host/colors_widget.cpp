#include "host/colors_widget.h"

#include <QPainter>

namespace {

// Eight bands of 32 steps from black to a full channel mix, two rows each.
QImage colourRamps() {
  constexpr QRgb kBandMix[8] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                0x00FFFF, 0xFF00FF, 0xFFFFFF, 0x808080};
  QImage image(32, 16, QImage::Format_RGB32);
  for (int band = 0; band < 8; ++band) {
    for (int step = 0; step < 32; ++step) {
      const auto channel = [&](int shift) { return (((kBandMix[band] >> shift) & 0xFF) * step / 31) & 0xF8; };
      const QRgb colour = qRgb(channel(16), channel(8), channel(0));
      image.setPixel(step, band * 2, colour);
      image.setPixel(step, band * 2 + 1, colour);
    }
  }
  return image;
}

}  // namespace

ColorsWidget::ColorsWidget(QWidget* parent) : QWidget(parent), ramps_(colourRamps()) {
  setWindowTitle("LCD info window");
}

void ColorsWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), ramps_);
}
