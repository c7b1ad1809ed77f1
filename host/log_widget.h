// The log window: the host log's text, the newest line at the bottom,
// highlighted segments in red.
#pragma once

#include <QWidget>

class HostLog;

class LogWidget : public QWidget {
  Q_OBJECT
 public:
  explicit LogWidget(HostLog& log, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {500, 60}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  HostLog& log_;
};
