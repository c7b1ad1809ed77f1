#include "host/sysinfo_window.h"

#include <QPainter>

#include "host/pool_statistics.h"

SysInfoWindow::SysInfoWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QString("%1 System Info").arg("TavixSim"));
  setAttribute(Qt::WA_DeleteOnClose);
  setGeometry(0, 0, 300, 75);
  setAutoFillBackground(true);
  setPalette(QPalette(Qt::white));
  connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  timer_.start(100);
}

void SysInfoWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(Qt::black);
  const int ascent = fontMetrics().ascent();
  painter.drawText(5, 5 + ascent, "Bytes [Free / Used]:");
  painter.drawText(5, 25 + ascent, "Blocks [Free / Used]:");
  const PoolStatistics stats = HOST_ReadPoolStatistics();
  const auto pair = [&](int a, int b) {
    return stats.available ? QString("%1 / %2").arg(a).arg(b) : QString("n/a");
  };
  painter.drawText(150, 5 + ascent, pair(stats.freeBytes, stats.usedBytes));
  painter.drawText(150, 25 + ascent, pair(stats.freeBlocks, stats.usedBlocks));
}
