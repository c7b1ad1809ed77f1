#include "host/app_control.h"

#include <QMetaObject>
#include <atomic>
#include <thread>

#include "host/host_log.h"
#include "host/pool_statistics.h"
#include "host/trace_sink.h"

AppControl::AppControl(Options options, HostLog& log, TraceSink& traces, QObject* parent)
    : QObject(parent), log_(log), traces_(traces) {
  RealTimeHost::Options hostOptions;
  hostOptions.singleInstance = options.singleInstance;
  hostOptions.servicePort = options.servicePort;
  RealTimeHost::Callbacks callbacks;
  callbacks.trace = [this](const char* text) { traces_.write(text); };
  callbacks.log = [this](const std::string& text) { log_.log(text); };
  callbacks.messageBox = [this](const char* text, const char* title) { showFirmwareMessage(text, title); };
  callbacks.panelRefreshed = [] { HOST_PublishPoolStatistics(); };
  callbacks.applicationEnded = [this] {
    log_.log("\nApplication terminated.");
    if (!host_->stopRequested())
      QMetaObject::invokeMethod(
          this, [this] { emit applicationEnded(); }, Qt::QueuedConnection);
  };
  host_ = std::make_unique<RealTimeHost>(hostOptions, callbacks);
  host_->setSpeedFactor(options.speed);
  controllerWanted_ = options.controller;
}

AppControl::~AppControl() { stop(); }

void AppControl::showFirmwareMessage(const char* text, const char* title) {
  // The unit waits for its message box like for the real one, but gives up
  // when the host stops it, so a restart never waits for a box.
  auto shown = std::make_shared<std::atomic<bool>>(false);
  const QString qText = QString::fromUtf8(text);
  const QString qTitle = QString::fromUtf8(title);
  QMetaObject::invokeMethod(
      this,
      [this, shown, qText, qTitle] {
        log_.message(qText, qTitle);
        *shown = true;
      },
      Qt::QueuedConnection);
  while (!*shown && !host_->stopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void AppControl::start() {
  log_.clear();
  log_.log("Application started");
  stop();
  host_->start();
  if (controllerWanted_) connectController();
}

void AppControl::stop() {
  // The bus entry points belong to the firmware life that the stop ends.
  disconnectController();
  host_->stop();
  pauseCount_ = 0;
}

void AppControl::setControllerConnected(bool connected) {
  if (connected == controllerWanted_) return;
  controllerWanted_ = connected;
  log_.log(connected ? "\nSimulated controller connected" : "\nSimulated controller disconnected");
  if (!connected)
    disconnectController();
  else if (running())
    connectController();
}

void AppControl::connectController() {
  if (!controllerThread_) controllerThread_ = std::make_unique<simctl::ControllerThread>(controller_, *host_);
}

void AppControl::disconnectController() { controllerThread_.reset(); }

void AppControl::pause() {
  log_.log("\nApplication suspended");
  if (pauseCount_ != 0) {
    log_.message("Application paused already ...");
  } else if (running()) {
    host_->pause();
    pauseCount_ = 1;
  } else {
    log_.message("Application is not running...");
  }
}

void AppControl::resume() {
  log_.log("\nApplication continued");
  if (pauseCount_ == 0) {
    log_.message("Application is not stopped...");
  } else if (running()) {
    host_->resume();
    pauseCount_ = 0;
  } else {
    log_.message("Application is not running...");
  }
}

QString AppControl::title() const {
  return QStringLiteral("Tavix Simulation") + (paused() ? "(Suspended)" : "(Executing)");
}

void AppControl::setHardkey(int number, bool pressed) {
  if (number >= 0 && number < 256) host_->setHardkey(static_cast<uint8_t>(number), pressed);
}

void AppControl::setSpeed(int factor) { host_->setSpeedFactor(factor); }
