// The colour window of a layer: with more than 256 colours a fixed
// 32 x 16 picture of 15-bit colour ramps, stretched to the window.
#pragma once

#include <QImage>
#include <QWidget>

class ColorsWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ColorsWidget(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {160, 80}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage ramps_;
};
