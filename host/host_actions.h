// The host's commands as actions, and the menus that offer them: the
// frame window's menu bar and the context menu of the device window.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <array>

#include "host/sim_settings.h"

struct HostActions {
  explicit HostActions(QObject* owner);

  QAction* restart;     // 530
  QAction* pause;       // 540
  QAction* resume;      // 550
  QAction* systemInfo;  // 560
  QAction* exit;        // 105
  QAction* copy;        // 500
  QAction* saveScreenshot;
  std::array<QAction*, SimSettings::kLayers> layers;   // 510..515
  std::array<QAction*, SimSettings::kLayers> colours;  // 520..525
  QAction* log;                                        // 570
  QAction* about;                                      // 104
  QActionGroup* zoomGroup;
  std::array<QAction*, 4> zoom;
  QActionGroup* speedGroup;
  std::array<QAction*, 3> speed;  // 1x, 10x, 60x
  QAction* simulationPanel;
  QAction* controller;  // checkable: the simulated controller on the bus
  QAction* traceWindow;
  QAction* keyboardHelp;

  static constexpr int kSpeeds[3] = {1, 10, 60};

  void fillMenuBar(QMenuBar* bar) const;
  // The context menu: the commands of the device, then the extras.
  void fillContextMenu(QMenu* menu) const;
  // Shortcuts that work in every window of the program.
  void addShortcutsTo(QWidget* window) const;

 private:
  QMenu* viewMenu(QWidget* parent) const;
  QMenu* simulationMenu(QWidget* parent) const;
};
