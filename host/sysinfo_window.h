// "TavixSim System Info": the memory pool statistics, kept above all
// other windows and refreshed every 100 ms.
#pragma once

#include <QTimer>
#include <QWidget>

class SysInfoWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SysInfoWindow(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
};
