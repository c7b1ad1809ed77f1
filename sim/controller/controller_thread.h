// Runs the simulated controller on a thread of its own next to the
// real-time host: the bus entry points are called like the bus interrupt.
#pragma once

#include <atomic>
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
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace simctl
