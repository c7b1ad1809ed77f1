// One hardkey of the device window: shaped like the key, shows it up or
// pressed, and presses and releases it with the left mouse button. Qt
// keeps the mouse grabbed from press to release, so a release anywhere
// still reaches the key it started on.
#pragma once

#include <QImage>
#include <QWidget>

class HardkeyTable;

class HardkeyWidget : public QWidget {
  Q_OBJECT
 public:
  HardkeyWidget(HardkeyTable& table, int number, const QImage& device, const QImage& pressedKeys,
                QRgb transparent, QWidget* parent);
  int number() const { return number_; }

 signals:
  void contextMenuRequested(const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  HardkeyTable& table_;
  int number_;
  QImage up_;
  QImage down_;
};

// The non-transparent pixels of `area` of `picture`, relative to the area.
QRegion HOST_OpaqueRegion(const QImage& picture, const QRect& area, QRgb transparent);
