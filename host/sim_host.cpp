#include "host/sim_host.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

#include "host/about_dialog.h"
#include "host/colors_widget.h"
#include "host/device_window.h"
#include "host/frame_window.h"
#include "host/hardkey_widget.h"
#include "host/host_log.h"
#include "host/keyboard_keys.h"
#include "host/lcd_widget.h"
#include "host/log_widget.h"
#include "host/simulation_panel.h"
#include "host/sysinfo_window.h"
#include "host/trace_window.h"

namespace {

QString coloursTitle(int layer) { return QString("Colors #%1").arg(layer); }

}  // namespace

SimHost::SimHost(Config config, HostLog& log, QObject* parent)
    : QObject(parent),
      config_(std::move(config)),
      log_(log),
      hardkeys_([&log](const std::string& text) { log.error(text); }),
      zoom_(config_.settings.zoom) {
  traces_.setEcho(config_.traceToStderr);
  log_.setEcho(config_.traceToStderr);
  log_.setMessageBoxes(config_.settings.messageBoxes);
  app_ = std::make_unique<AppControl>(
      AppControl::Options{config_.singleInstance, config_.servicePort, config_.speed, config_.controller},
      log_, traces_);
  connect(app_.get(), &AppControl::applicationEnded, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  actions_ = std::make_unique<HostActions>(this);
  contextMenu_ = std::make_unique<QMenu>();
  actions_->fillContextMenu(contextMenu_.get());
  watchMenu(contextMenu_.get());

  const bool haveDevice = config_.settings.deviceMode();
  if (haveDevice) {
    buildDeviceWindow(config_.pictures
                          ? *config_.pictures
                          : HOST_LoadDevicePictures([this](const std::string& line) { log_.warning(line); }));
  } else {
    buildFrameWindow();
  }
  actions_->addShortcutsTo(mainWindow());
  connectActions();
  setSpeed(config_.speed);
  setZoom(zoom_);
  qApp->installEventFilter(this);

  connect(&titleTimer_, &QTimer::timeout, this, &SimHost::updateTitle);
  titleTimer_.start(20);
  // The trace window collects from the start, so that it shows what led
  // up to the moment it is opened.
  traceWindow_ = new TraceWindow;
  actions_->addShortcutsTo(traceWindow_);
  connect(&traceTimer_, &QTimer::timeout, this, [this] {
    std::string text = traces_.take();
    if (traceWindow_ && !text.empty()) traceWindow_->addText(text);
  });
  traceTimer_.start(100);
}

SimHost::~SimHost() {
  qApp->removeEventFilter(this);
  app_->stop();
  for (QWidget* window :
       {static_cast<QWidget*>(lcdFrame_), static_cast<QWidget*>(coloursFrame_),
        static_cast<QWidget*>(logFrame_), static_cast<QWidget*>(sysInfo_.data()),
        static_cast<QWidget*>(simulationPanel_.data()), static_cast<QWidget*>(traceWindow_.data())})
    if (window != nullptr && window->parent() == nullptr) delete window;
}

QWidget* SimHost::mainWindow() const {
  return device_ ? static_cast<QWidget*>(device_.get()) : static_cast<QWidget*>(frame_.get());
}

void SimHost::buildDeviceWindow(const DevicePictures& pictures) {
  const SimSettings& s = config_.settings;
  hardkeys_.scan(HOST_ToRgbImage(pictures.pressedKeys), s.transparentRgb);
  for (int n = 0; n < hardkeys_.count(); ++n)
    hardkeys_.setCallback(n, [this](int number, bool pressed) { app_->setHardkey(number, pressed); });
  device_ = std::make_unique<DeviceWindow>(pictures, hardkeys_, 0xFF000000u | s.transparentRgb,
                                           *app_->host().panel(), QPoint(s.lcdX, s.lcdY));
  lcd_ = device_->lcd();
  connect(device_.get(), &DeviceWindow::contextMenuRequested, this, &SimHost::popupContextMenu);
}

void SimHost::buildFrameWindow() {
  frame_ = std::make_unique<FrameWindow>();
  actions_->fillMenuBar(frame_->menuBar());
  for (QMenu* menu : frame_->menuBar()->findChildren<QMenu*>()) watchMenu(menu);
  lcd_ = new LcdWidget(*app_->host().panel(), zoom_);
  connect(lcd_, &LcdWidget::contextMenuRequested, this, &SimHost::popupContextMenu);
  QMdiSubWindow* lcdFrame = frame_->addFrame(HOST_LcdFrameTitle(), lcd_, QPoint(5, 5));
  QMdiSubWindow* colours =
      frame_->addFrame(coloursTitle(0), new ColorsWidget, QPoint(lcdFrame->geometry().right() + 10, 5));
  QMdiSubWindow* logFrame =
      frame_->addFrame("Log", new LogWidget(log_), QPoint(5, lcdFrame->geometry().bottom() + 10));
  logFrame->resize(colours->geometry().right() - 5, 160);
  frame_->fitFrames();
}

void SimHost::connectActions() {
  const HostActions& a = *actions_;
  connect(a.restart, &QAction::triggered, this, &SimHost::restart);
  connect(a.pause, &QAction::triggered, this, &SimHost::pause);
  connect(a.resume, &QAction::triggered, this, &SimHost::resume);
  connect(a.systemInfo, &QAction::triggered, this, &SimHost::showSystemInfo);
  connect(a.exit, &QAction::triggered, this, [this] { mainWindow()->close(); });
  connect(a.copy, &QAction::triggered, this, &SimHost::copyToClipboard);
  connect(a.saveScreenshot, &QAction::triggered, this, [this] { saveScreenshot(); });
  for (int i = 0; i < SimSettings::kLayers; ++i) {
    connect(a.layers[i], &QAction::triggered, this, [this, i] { openLayer(i); });
    connect(a.colours[i], &QAction::triggered, this, [this, i] { openColours(i); });
  }
  connect(a.log, &QAction::triggered, this, &SimHost::openLog);
  connect(a.about, &QAction::triggered, this, &SimHost::showAbout);
  for (int i = 0; i < 4; ++i) connect(a.zoom[i], &QAction::triggered, this, [this, i] { setZoom(i + 1); });
  for (int i = 0; i < 3; ++i)
    connect(a.speed[i], &QAction::triggered, this, [this, i] { setSpeed(HostActions::kSpeeds[i]); });
  a.controller->setChecked(app_->controllerConnected());
  connect(a.controller, &QAction::toggled, this, &SimHost::setControllerConnected);
  connect(a.simulationPanel, &QAction::triggered, this, &SimHost::showSimulationPanel);
  connect(a.traceWindow, &QAction::triggered, this, &SimHost::showTraceWindow);
  connect(a.keyboardHelp, &QAction::triggered, this, &SimHost::showKeyboardHelp);
}

void SimHost::watchMenu(QMenu* menu) {
  connect(menu, &QMenu::aboutToShow, this, [this] { enableForMenu(true); });
  connect(menu, &QMenu::aboutToHide, this, [this] { enableForMenu(false); });
}

// The menus offer only what makes sense now; outside the menus every
// command stays enabled so that F4 and F5 can tell about their misuse.
void SimHost::enableForMenu(bool menuOpen) {
  const HostActions& a = *actions_;
  a.pause->setEnabled(!menuOpen || (app_->running() && !app_->paused()));
  a.resume->setEnabled(!menuOpen || (app_->running() && app_->paused()));
  a.systemInfo->setEnabled(!menuOpen || sysInfo_.isNull());
  for (int i = 1; i < SimSettings::kLayers; ++i) {
    a.layers[i]->setEnabled(!menuOpen);
    a.colours[i]->setEnabled(!menuOpen);
  }
}

void SimHost::restart() { app_->start(); }
void SimHost::pause() { app_->pause(); }
void SimHost::resume() { app_->resume(); }

QImage SimHost::lcdPicture() const {
  const QImage image = HOST_PanelImage(*app_->host().panel());
  return zoom_ == 1 ? image
                    : image.scaled(image.size() * zoom_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void SimHost::copyToClipboard() { QGuiApplication::clipboard()->setImage(lcdPicture()); }

void SimHost::saveScreenshot(const QString& path) {
  QString target = path;
  if (target.isEmpty())
    target = QFileDialog::getSaveFileName(mainWindow(), "Save screenshot", "lcd.png", "PNG pictures (*.png)");
  if (target.isEmpty()) return;
  if (!lcdPicture().save(target, "PNG")) log_.error("Could not write " + target.toStdString());
}

void SimHost::setZoom(int zoom) {
  if (zoom < 1 || zoom > 4) return;
  zoom_ = zoom;
  actions_->zoom[zoom - 1]->setChecked(true);
  // The LCD inside the device picture keeps the picture's scale; the LCD
  // frames follow the zoom.
  if (frame_) lcd_->setZoom(zoom);
  if (lcdFrame_) {
    if (auto* lcd = lcdFrame_->findChild<LcdWidget*>()) lcd->setZoom(zoom);
    lcdFrame_->adjustSize();
  }
  if (frame_) {
    if (QMdiSubWindow* f = frame_->findFrame(HOST_LcdFrameTitle())) f->adjustSize();
    frame_->fitFrames();
  }
}

void SimHost::setSpeed(int factor) {
  app_->setSpeed(factor);
  for (int i = 0; i < 3; ++i)
    if (HostActions::kSpeeds[i] == factor) actions_->speed[i]->setChecked(true);
  if (device_) device_->showSpeed(factor);
  if (simulationPanel_) simulationPanel_->setSpeed(factor);
  if (factor != 1) log_.warning("Unit time runs " + std::to_string(factor) + " times faster");
}

void SimHost::setControllerConnected(bool connected) {
  app_->setControllerConnected(connected);
  actions_->controller->setChecked(connected);
}

void SimHost::deviceKey(int hardkey, bool pressed) {
  if (device_ != nullptr && hardkey < hardkeys_.count()) {
    // Through the key's window, so that it shows the key pressed.
    if (pressed)
      hardkeys_.press(hardkey);
    else
      hardkeys_.release(hardkey);
    device_->refreshKeys();
    return;
  }
  app_->setHardkey(hardkey, pressed);
}

bool SimHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != mainWindow()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const auto hardkey = HOST_HardkeyForKey(key->key());
  if (!hardkey) return false;
  // A held PC key holds the device key; its auto-repeat is the unit's business.
  if (!key->isAutoRepeat()) deviceKey(*hardkey, event->type() == QEvent::KeyPress);
  return true;
}

void SimHost::updateTitle() {
  QString title = app_->title();
  if (app_->speed() != 1) title += QString("  [unit time %1x]").arg(app_->speed());
  if (frame_ && frame_->windowTitle() != title) frame_->setWindowTitle(title);
}

void SimHost::popupContextMenu(const QPoint& globalPos) { contextMenu_->popup(globalPos); }

void SimHost::showOrRaise(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void SimHost::openLayer(int layer) {
  if (layer != 0) return;
  if (frame_) {
    if (!frame_->findFrame(HOST_LcdFrameTitle())) {
      lcd_ = new LcdWidget(*app_->host().panel(), zoom_);
      connect(lcd_, &LcdWidget::contextMenuRequested, this, &SimHost::popupContextMenu);
      frame_->addFrame(HOST_LcdFrameTitle(), lcd_, QPoint(5, 5));
    }
    frame_->fitFrames();
    return;
  }
  if (!lcdFrame_) {
    auto* lcd = new LcdWidget(*app_->host().panel(), zoom_);
    lcd->setWindowFlag(Qt::Window);
    lcd->setWindowTitle(HOST_LcdFrameTitle());
    lcd->setAttribute(Qt::WA_DeleteOnClose);
    connect(lcd, &LcdWidget::contextMenuRequested, this, &SimHost::popupContextMenu);
    actions_->addShortcutsTo(lcd);
    lcdFrame_ = lcd;
  }
  showOrRaise(lcdFrame_);
}

void SimHost::openColours(int layer) {
  if (layer != 0) return;
  if (frame_) {
    frame_->addFrame(coloursTitle(0), new ColorsWidget, QPoint(260, 5));
    frame_->fitFrames();
    return;
  }
  if (!coloursFrame_) {
    coloursFrame_ = new ColorsWidget;
    coloursFrame_->setWindowTitle(coloursTitle(0));
    coloursFrame_->setAttribute(Qt::WA_DeleteOnClose);
    coloursFrame_->resize(160, 80);
  }
  showOrRaise(coloursFrame_);
}

void SimHost::openLog() {
  if (frame_) {
    frame_->addFrame("Log", new LogWidget(log_), QPoint(5, 190));
    frame_->fitFrames();
    return;
  }
  if (!logFrame_) {
    logFrame_ = new LogWidget(log_);
    logFrame_->setWindowTitle("Log");
    logFrame_->setAttribute(Qt::WA_DeleteOnClose);
    logFrame_->resize(500, 160);
    actions_->addShortcutsTo(logFrame_);
  }
  showOrRaise(logFrame_);
}

void SimHost::showSystemInfo() {
  if (!sysInfo_) sysInfo_ = new SysInfoWindow;
  showOrRaise(sysInfo_);
}

void SimHost::showAbout() {
  AboutDialog dialog(mainWindow());
  dialog.exec();
}

void SimHost::showSimulationPanel() {
  if (!simulationPanel_) {
    simulationPanel_ = new SimulationPanel;
    simulationPanel_->setWindowFlag(Qt::Tool);
    simulationPanel_->setAttribute(Qt::WA_DeleteOnClose);
    simulationPanel_->setSpeed(app_->speed());
    connect(simulationPanel_, &SimulationPanel::hardkey, this,
            [this](int n, bool pressed) { app_->setHardkey(n, pressed); });
    connect(simulationPanel_, &SimulationPanel::speedChosen, this, &SimHost::setSpeed);
    actions_->addShortcutsTo(simulationPanel_);
    const QRect main = mainWindow()->frameGeometry();
    simulationPanel_->move(main.right() + 10, main.top());
  }
  showOrRaise(simulationPanel_);
}

void SimHost::showTraceWindow() { showOrRaise(traceWindow_); }

void SimHost::showKeyboardHelp() {
  QMessageBox box(QMessageBox::Information, "Keyboard", HOST_KeyboardHelpText(), QMessageBox::Ok,
                  mainWindow());
  box.exec();
}
