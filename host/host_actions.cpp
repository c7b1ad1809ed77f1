#include "host/host_actions.h"

namespace {

QAction* makeAction(QObject* owner, const QString& text, const QKeySequence& shortcut = {}) {
  auto* action = new QAction(text, owner);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
  }
  return action;
}

}  // namespace

HostActions::HostActions(QObject* owner)
    : restart(makeAction(owner, "Restart Application\tF3", Qt::Key_F3)),
      pause(makeAction(owner, "Pause Application\tF4", Qt::Key_F4)),
      resume(makeAction(owner, "Resume Application\tF5", Qt::Key_F5)),
      systemInfo(makeAction(owner, "&View system info")),
      exit(makeAction(owner, "E&xit\tALT-F4", QKeySequence(Qt::ALT | Qt::Key_F4))),
      copy(makeAction(owner, "Copy to clipboard", QKeySequence::Copy)),
      saveScreenshot(makeAction(owner, "Save screenshot...", QKeySequence::Save)),
      log(makeAction(owner, "Log")),
      about(makeAction(owner, "&About ...")),
      zoomGroup(new QActionGroup(owner)),
      speedGroup(new QActionGroup(owner)),
      simulationPanel(makeAction(owner, "&Simulation keys...")),
      controller(makeAction(owner, "Simulated &controller")),
      traceWindow(makeAction(owner, "&Trace...")),
      keyboardHelp(makeAction(owner, "&Keyboard...")) {
  for (int i = 0; i < SimSettings::kLayers; ++i) {
    layers[i] = makeAction(owner, QString("Layer &%1").arg(i));
    colours[i] = makeAction(owner, QString("Layer &%1").arg(i));
  }
  for (int i = 0; i < 4; ++i) {
    zoom[i] = makeAction(owner, QString("Zoom &%1x").arg(i + 1), QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
    zoom[i]->setCheckable(true);
    zoomGroup->addAction(zoom[i]);
  }
  controller->setCheckable(true);
  for (int i = 0; i < 3; ++i) {
    speed[i] = makeAction(owner, QString("Unit time &%1x").arg(kSpeeds[i]));
    speed[i]->setCheckable(true);
    speedGroup->addAction(speed[i]);
  }
}

QMenu* HostActions::viewMenu(QWidget* parent) const {
  auto* view = new QMenu("&View", parent);
  QMenu* layerMenu = view->addMenu("&Layer");
  for (QAction* a : layers) layerMenu->addAction(a);
  QMenu* colourMenu = view->addMenu("&Colors");
  for (QAction* a : colours) colourMenu->addAction(a);
  view->addAction(log);
  view->addSeparator();
  for (QAction* a : zoom) view->addAction(a);
  view->addSeparator();
  view->addAction(traceWindow);
  return view;
}

QMenu* HostActions::simulationMenu(QWidget* parent) const {
  auto* simulation = new QMenu("&Simulation", parent);
  simulation->addAction(restart);
  simulation->addAction(controller);
  simulation->addAction(simulationPanel);
  simulation->addSeparator();
  for (QAction* a : speed) simulation->addAction(a);
  return simulation;
}

void HostActions::fillMenuBar(QMenuBar* bar) const {
  QMenu* file = bar->addMenu("&File");
  file->addAction(pause);
  file->addAction(resume);
  file->addSeparator();
  file->addAction(systemInfo);
  file->addAction(exit);
  file->addAction(copy);
  file->addAction(saveScreenshot);
  bar->addMenu(viewMenu(bar));
  bar->addMenu(simulationMenu(bar));
  QMenu* help = bar->addMenu("&Help");
  help->addAction(keyboardHelp);
  help->addAction(about);
}

void HostActions::fillContextMenu(QMenu* menu) const {
  menu->addAction(pause);
  menu->addAction(resume);
  menu->addSeparator();
  menu->addAction(systemInfo);
  menu->addAction(copy);
  menu->addAction(saveScreenshot);
  menu->addAction(about);
  menu->addSeparator();
  menu->addMenu(viewMenu(menu));
  menu->addMenu(simulationMenu(menu));
  menu->addAction(keyboardHelp);
  menu->addSeparator();
  menu->addAction(exit);
}

void HostActions::addShortcutsTo(QWidget* window) const {
  window->addActions({restart, pause, resume, exit, copy, saveScreenshot});
  for (QAction* a : zoom) window->addAction(a);
}
