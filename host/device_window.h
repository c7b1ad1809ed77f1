// The borderless device window: the device picture, shaped by its
// transparent colour, with the LCD window and one window per hardkey.
// The left button drags it, the right button opens the context menu and
// the PC keyboard drives the hardkeys.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <vector>

#include "host/device_pictures.h"

class HardkeyTable;
class HardkeyWidget;
class LcdWidget;
struct PanelMemory;

class DeviceWindow : public QWidget {
  Q_OBJECT
 public:
  DeviceWindow(const DevicePictures& pictures, HardkeyTable& table, QRgb transparent, PanelMemory& panel,
               QPoint lcdPosition, QWidget* parent = nullptr);

  LcdWidget* lcd() const { return lcd_; }
  HardkeyWidget* hardkeyWidget(int number) const;
  const std::vector<HardkeyWidget*>& hardkeyWidgets() const { return keys_; }
  // Shows or hides the badge that says the unit's time runs faster.
  void showSpeed(int factor);
  // Repaints the key windows after a key changed without the mouse.
  void refreshKeys();

 signals:
  void contextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  LcdWidget* lcd_;
  std::vector<HardkeyWidget*> keys_;
  QLabel* speedBadge_;
  bool dragging_ = false;
  QPoint dragOffset_;
};
