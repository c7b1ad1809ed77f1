// The unit's application thread as the host's commands see it: start
// (restart), pause, resume and stop, the frame title, and the messages
// of their misuse, and the simulated controller on the unit's bus.
// Everything but the callbacks runs on the window thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "sim/controller/controller_thread.h"
#include "sim/controller/sim_controller.h"
#include "sim/real_time_host.h"

class HostLog;
class TraceSink;

class AppControl : public QObject {
  Q_OBJECT
 public:
  struct Options {
    bool singleInstance = true;
    std::string servicePort = "pty";
    int speed = 1;
    bool controller = false;  // connect the simulated controller at start
  };

  AppControl(Options options, HostLog& log, TraceSink& traces, QObject* parent = nullptr);
  ~AppControl() override;

  void start();  // also the restart command
  void stop();
  void pause();
  void resume();

  bool running() const { return host_->running(); }
  bool paused() const { return pauseCount_ != 0; }
  QString title() const;

  void setHardkey(int number, bool pressed);
  void setSpeed(int factor);
  int speed() const { return host_->speedFactor(); }
  // The controller is on the bus while the unit runs; the wish outlasts
  // restarts, and a connection asked for while the unit is stopped waits
  // for the next start.
  void setControllerConnected(bool connected);
  bool controllerConnected() const { return controllerWanted_; }
  const simctl::SimController& controller() const { return controller_; }
  RealTimeHost& host() { return *host_; }

 signals:
  // The unit ended by itself (not by stop or restart).
  void applicationEnded();

 private:
  void showFirmwareMessage(const char* text, const char* title);
  void connectController();
  void disconnectController();

  HostLog& log_;
  TraceSink& traces_;
  std::unique_ptr<RealTimeHost> host_;
  int pauseCount_ = 0;
  // One controller for the whole program, like the boiler that stays
  // powered while the unit restarts; only its thread comes and goes.
  simctl::SimController controller_;
  std::unique_ptr<simctl::ControllerThread> controllerThread_;
  bool controllerWanted_ = false;
};
