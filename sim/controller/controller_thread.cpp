#include "sim/controller/controller_thread.h"

#include <algorithm>
#include <chrono>

#include "sim/real_time_host.h"

namespace simctl {

ControllerThread::ControllerThread(SimController& controller, RealTimeHost& host)
    : controller_(controller), host_(host), connectedAtMs_(host.milliseconds()), thread_([this] { run(); }) {}

ControllerThread::~ControllerThread() { stop(); }

void ControllerThread::stop() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
}

void ControllerThread::run() {
  using std::chrono::milliseconds;
  uint32_t delayMs = 10;
  while (!stopping_) {
    std::this_thread::sleep_for(
        milliseconds(std::max<uint32_t>(1, delayMs / std::max(1, host_.speedFactor()))));
    const uint32_t now = host_.milliseconds();
    // Unit time keeps counting over restarts of the unit, so the boot time
    // is measured from the connection (unsigned: safe over the wrap).
    const bool booting = now - connectedAtMs_ < SimController::kFirstFrameMs;
    if (host_.paused() || !host_.running() || booting) {
      delayMs = 10;
      continue;
    }
    delayMs = controller_.step(now);
  }
}

}  // namespace simctl
