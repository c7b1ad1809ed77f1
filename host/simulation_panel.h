// Keys the device picture has no keys for: the two-key combinations
// (hardkeys 8..12), which are held like keys, and the special keys 13..33
// that stand in for the controller (daily restart, reset request, status
// bits, forwarded signals); plus the unit's time speed.
#pragma once

#include <QWidget>
#include <functional>

class QComboBox;

class SimulationPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SimulationPanel(QWidget* parent = nullptr);
  void setSpeed(int factor);

 signals:
  void hardkey(int number, bool pressed);
  void speedChosen(int factor);

 private:
  QComboBox* speed_;
};
