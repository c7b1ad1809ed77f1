// The unit's application thread as the host's commands see it: start
// (restart), pause, resume and stop, the frame title, and the messages
// of their misuse. Everything but the callbacks runs on the window thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

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
  RealTimeHost& host() { return *host_; }

 signals:
  // The unit ended by itself (not by stop or restart).
  void applicationEnded();

 private:
  void showFirmwareMessage(const char* text, const char* title);

  HostLog& log_;
  TraceSink& traces_;
  std::unique_ptr<RealTimeHost> host_;
  int pauseCount_ = 0;
};
