#include "host/log_widget.h"

#include <QPainter>
#include <QStringList>

#include "host/host_log.h"

LogWidget::LogWidget(HostLog& log, QWidget* parent) : QWidget(parent), log_(log) {
  setWindowTitle("LCD window");
  setAutoFillBackground(true);
  setPalette(QPalette(Qt::white));
  connect(&log_, &HostLog::changed, this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

void LogWidget::paintEvent(QPaintEvent*) {
  QString text = QString::fromStdString(log_.text());
  if (text.startsWith('\n')) text.remove(0, 1);
  const QStringList lines = text.split('\n');
  QPainter painter(this);
  const int lineHeight = fontMetrics().height();
  int y = height() - lineHeight * static_cast<int>(lines.size());
  for (const QString& line : lines) {
    if (y + lineHeight > 0) {
      int x = 2;
      const QStringList segments = line.split(QChar(kLogHighlight));
      for (int i = 0; i < segments.size(); ++i) {
        // Every segment after a mark is highlighted, up to the line's end.
        painter.setPen(i > 0 ? Qt::red : Qt::black);
        painter.drawText(x, y + fontMetrics().ascent(), segments[i]);
        x += fontMetrics().horizontalAdvance(segments[i]);
      }
    }
    y += lineHeight;
  }
}
