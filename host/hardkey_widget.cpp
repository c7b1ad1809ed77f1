#include "host/hardkey_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "host/hardkey_table.h"

QRegion HOST_OpaqueRegion(const QImage& picture, const QRect& area, QRgb transparent) {
  QRegion region;
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    int x = inside.left();
    while (x <= inside.right()) {
      while (x <= inside.right() && (picture.pixel(x, y) & 0xFFFFFF) == (transparent & 0xFFFFFF)) ++x;
      const int start = x;
      while (x <= inside.right() && (picture.pixel(x, y) & 0xFFFFFF) != (transparent & 0xFFFFFF)) ++x;
      if (x > start) region += QRect(start - area.left(), y - area.top(), x - start, 1);
    }
  }
  return region;
}

HardkeyWidget::HardkeyWidget(HardkeyTable& table, int number, const QImage& device, const QImage& pressedKeys,
                             QRgb transparent, QWidget* parent)
    : QWidget(parent), table_(table), number_(number) {
  const HardkeyRecord& key = table.record(number);
  const QRect area(key.x0, key.y0, key.x1 - key.x0 + 1, key.y1 - key.y0 + 1);
  setWindowTitle("Hardkey");
  setGeometry(area);
  up_ = device.copy(area);
  down_ = pressedKeys.copy(area);
  setMask(HOST_OpaqueRegion(pressedKeys, area, transparent));
  setCursor(Qt::PointingHandCursor);
}

void HardkeyWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, table_.state(number_) != 0 ? down_ : up_);
}

void HardkeyWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  table_.press(number_);
  update();
}

void HardkeyWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit contextMenuRequested(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  table_.release(number_);
  update();
}
