#include "host/lcd_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/panel_memory.h"

LcdWidget::LcdWidget(PanelMemory& panel, int zoom, QWidget* parent)
    : QWidget(parent), panel_(panel), zoom_(zoom) {
  setWindowTitle("LCD window");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(PanelMemory::kWidth * zoom_, PanelMemory::kHeight * zoom_);
  connect(&timer_, &QTimer::timeout, this, &LcdWidget::poll);
  timer_.start(20);
}

void LcdWidget::setZoom(int zoom) {
  if (zoom < 1 || zoom > 4) return;
  zoom_ = zoom;
  setFixedSize(PanelMemory::kWidth * zoom_, PanelMemory::kHeight * zoom_);
  update();
}

void LcdWidget::poll() {
  if (panel_.modificationCount != lastPainted_) update();
}

QImage HOST_PanelImage(const PanelMemory& panel) {
  QImage image(PanelMemory::kWidth, PanelMemory::kHeight, QImage::Format_RGB32);
  const QRgb dark = 0xFF000000u | panel.darkShade;
  const QRgb light = 0xFF000000u | panel.lightShade;
  for (int y = 0; y < PanelMemory::kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < PanelMemory::kWidth; ++x) row[x] = panel.pixels[y][x] != 0 ? light : dark;
  }
  return image;
}

QImage LcdWidget::picture() const {
  const QImage image = HOST_PanelImage(panel_);
  return zoom_ == 1 ? image
                    : image.scaled(image.size() * zoom_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void LcdWidget::paintEvent(QPaintEvent*) {
  const uint32_t count = panel_.modificationCount;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), HOST_PanelImage(panel_));
  if (count != lastPainted_) {
    lastPainted_ = count;
    ++freshPaints_;
    emit repainted(count);
  }
}

void LcdWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) emit contextMenuRequested(event->globalPosition().toPoint());
}
