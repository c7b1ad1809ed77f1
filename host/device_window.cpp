#include "host/device_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "host/hardkey_table.h"
#include "host/hardkey_widget.h"
#include "host/lcd_widget.h"

DeviceWindow::DeviceWindow(const DevicePictures& pictures, HardkeyTable& table, QRgb transparent,
                           PanelMemory& panel, QPoint lcdPosition, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), picture_(pictures.device) {
  setWindowTitle("Target device");
  setFixedSize(picture_.size());
  move(10, 20);
  setFocusPolicy(Qt::StrongFocus);
  lcd_ = new LcdWidget(panel, 1, this);
  lcd_->move(lcdPosition);
  connect(lcd_, &LcdWidget::contextMenuRequested, this, &DeviceWindow::contextMenuRequested);
  for (int n = 0; n < kMaxHardkeys; ++n) {
    if (!table.record(n).hasWindow()) continue;
    auto* key = new HardkeyWidget(table, n, pictures.device, pictures.pressedKeys, transparent, this);
    connect(key, &HardkeyWidget::contextMenuRequested, this, &DeviceWindow::contextMenuRequested);
    keys_.push_back(key);
  }
  const QRegion shape = HOST_OpaqueRegion(picture_, picture_.rect(), transparent);
  if (shape != QRegion(picture_.rect())) setMask(shape);

  speedBadge_ = new QLabel(this);
  speedBadge_->setStyleSheet(
      "QLabel { background: #f07d1e; color: white; font-weight: bold; border-radius: 4px; padding: 1px 6px; "
      "}");
  speedBadge_->hide();
}

HardkeyWidget* DeviceWindow::hardkeyWidget(int number) const {
  for (HardkeyWidget* key : keys_)
    if (key->number() == number) return key;
  return nullptr;
}

void DeviceWindow::showSpeed(int factor) {
  speedBadge_->setText(QString("Unit time %1x").arg(factor));
  speedBadge_->adjustSize();
  speedBadge_->move(lcd_->x() + lcd_->width() - speedBadge_->width(), lcd_->y() + lcd_->height() + 2);
  speedBadge_->setVisible(factor != 1);
}

void DeviceWindow::refreshKeys() {
  for (HardkeyWidget* key : keys_) key->update();
}

void DeviceWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void DeviceWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void DeviceWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void DeviceWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  if (event->button() == Qt::RightButton) emit contextMenuRequested(event->globalPosition().toPoint());
}
