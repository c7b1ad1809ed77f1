#include "host/simulation_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SimulationKey {
  int hardkey;
  const char* label;
  const char* tip;
};

constexpr SimulationKey kCombinations[] = {
    {8, "OK + Up", "Held like the two keys"},
    {9, "OK + Down", "Held like the two keys"},
    {10, "Menu + OK", "Hold 4 s"},
    {11, "Menu + Down", "Hold 2 s"},
    {12, "OK + Back", "Hold 2 s"},
};

constexpr SimulationKey kControllerKeys[] = {
    {13, "Daily restart", "Restart at 3 o'clock"},
    {14, "Reset request", "The controller asks for a reset"},
    {15, "Status bit 0 on", "Byte 5 of the status record"},
    {16, "Status bit 0 off", "Byte 5 of the status record"},
    {17, "Status bit 1 on", "Byte 5 of the status record"},
    {18, "Status bit 1 off", "Byte 5 of the status record"},
    {31, "Signal 77", "Press signal of OK + Back"},
    {32, "Signal 71", "Press signal of Menu + OK"},
    {33, "Signal 218", "Forwarded controller signal"},
};

}  // namespace

SimulationPanel::SimulationPanel(QWidget* parent) : QWidget(parent) {
  setWindowTitle("Simulation keys");
  auto* layout = new QVBoxLayout(this);

  const auto addKeys = [this](const char* title, const auto& keys, int columns, bool holdable) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const SimulationKey& key : keys) {
      auto* button = new QPushButton(QString("%1  (%2)").arg(key.label).arg(key.hardkey));
      button->setToolTip(QString("Hardkey %1: %2").arg(key.hardkey).arg(key.tip));
      const int number = key.hardkey;
      connect(button, &QPushButton::pressed, this, [this, number] { emit hardkey(number, true); });
      connect(button, &QPushButton::released, this, [this, number] { emit hardkey(number, false); });
      if (!holdable) button->setAutoDefault(false);
      grid->addWidget(button, i / columns, i % columns);
      ++i;
    }
    return box;
  };
  layout->addWidget(addKeys("Key combinations (hold)", kCombinations, 3, true));
  layout->addWidget(addKeys("Controller", kControllerKeys, 3, false));

  auto* spare = new QGroupBox("Spare keys 19..30 (no effect)");
  auto* spareGrid = new QGridLayout(spare);
  for (int number = 19; number <= 30; ++number) {
    auto* button = new QPushButton(QString::number(number));
    connect(button, &QPushButton::pressed, this, [this, number] { emit hardkey(number, true); });
    connect(button, &QPushButton::released, this, [this, number] { emit hardkey(number, false); });
    spareGrid->addWidget(button, (number - 19) / 6, (number - 19) % 6);
  }
  layout->addWidget(spare);

  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(new QLabel("Unit time:"));
  speed_ = new QComboBox;
  for (int factor : {1, 10, 60}) speed_->addItem(QString("%1x").arg(factor), factor);
  connect(speed_, &QComboBox::activated, this,
          [this](int index) { emit speedChosen(speed_->itemData(index).toInt()); });
  speedRow->addWidget(speed_);
  speedRow->addStretch();
  layout->addLayout(speedRow);
  layout->addStretch();
}

void SimulationPanel::setSpeed(int factor) {
  const int index = speed_->findData(factor);
  if (index >= 0) speed_->setCurrentIndex(index);
}
