// Runs the simulated controller on a thread of its own next to the
// real-time host: the bus entry points are called like the bus interrupt.
// The bus stays quiet for the controller's power-up time after the thread
// starts and whenever the unit is paused or not running. The owner starts
// the thread after the host's start and stops it before the host's stop.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "sim/controller/sim_controller.h"

class RealTimeHost;

namespace simctl {

class ControllerThread {
 public:
  ControllerThread(SimController& controller, RealTimeHost& host);
  ~ControllerThread();
  void stop();

 private:
  void run();

  SimController& controller_;
  RealTimeHost& host_;
  const uint32_t connectedAtMs_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace simctl
