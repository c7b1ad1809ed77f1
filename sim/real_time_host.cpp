#include "sim/real_time_host.h"

#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/cpu_timer.h"
#include "platform/trace.h"
#include "sim/unit.h"

namespace {

timespec addNanoseconds(timespec t, int64_t ns) {
  t.tv_nsec += static_cast<long>(ns % 1000000000L);
  t.tv_sec += static_cast<time_t>(ns / 1000000000L + t.tv_nsec / 1000000000L);
  t.tv_nsec %= 1000000000L;
  return t;
}

// A faster unit time would wake a tick thread many thousand times a second;
// instead it wakes at most once a millisecond and delivers the ticks due.
constexpr int64_t kShortestWakeNs = 1000000;
// The 1 ms routine only counts, so its thread wakes every 10 ms and hands the
// elapsed milliseconds over in one batch: a thousand wake-ups a second would
// cost more CPU than the whole rest of the idle unit.
constexpr int64_t kCountingWakeNs = 10000000;

double toMs(const timespec& t) { return t.tv_sec * 1000.0 + t.tv_nsec / 1e6; }

}  // namespace

RealTimeHost::RealTimeHost(Options options, Callbacks callbacks)
    : options_(std::move(options)), callbacks_(std::move(callbacks)) {
  for (auto& port : serial_) {
    if (pipe(port.stopPipe) != 0) port.stopPipe[0] = port.stopPipe[1] = -1;
  }
}

RealTimeHost::~RealTimeHost() {
  stop();
  for (auto& port : serial_)
    for (int fd : port.stopPipe)
      if (fd >= 0) close(fd);
}

void RealTimeHost::log(const std::string& message) {
  if (callbacks_.log) callbacks_.log(message);
}

void RealTimeHost::start() {
  if (appThread_.joinable()) return;
  stopRequested_ = false;
  appEnded_ = false;
  paused_ = false;
  appThread_ = std::thread([this] {
    SIM_RunUnit(*this);
    appEnded_ = true;
    if (callbacks_.applicationEnded) callbacks_.applicationEnded();
  });
}

void RealTimeHost::stop() {
  {
    std::lock_guard<std::mutex> lock(controlMutex_);
    stopRequested_ = true;
    paused_ = false;
  }
  controlChanged_.notify_all();
  if (appThread_.joinable()) appThread_.join();
  stopTickThreads();
  for (int port = 0; port < kPorts; ++port) stopSerial(port);
  HOST_Install(nullptr);
}

void RealTimeHost::pause() {
  std::lock_guard<std::mutex> lock(controlMutex_);
  paused_ = true;
}

void RealTimeHost::resume() {
  {
    std::lock_guard<std::mutex> lock(controlMutex_);
    paused_ = false;
  }
  controlChanged_.notify_all();
}

bool RealTimeHost::waitWhilePaused() {
  std::unique_lock<std::mutex> lock(controlMutex_);
  controlChanged_.wait(lock, [this] { return !paused_ || stopRequested_ || ticksStopping_; });
  return !stopRequested_ && !ticksStopping_;
}

void RealTimeHost::setHardkey(uint8_t hardkey, bool pressed) {
  if (HardkeyCallback callback = hardkeyCallback_; callback != nullptr && running())
    callback(hardkey, pressed);
}

void RealTimeHost::trace(const char* text) {
  std::lock_guard<std::mutex> lock(traceMutex_);
  if (callbacks_.trace) callbacks_.trace(text);
}

void RealTimeHost::delayMs(uint32_t ms) {
  const auto realDelay =
      std::chrono::microseconds(uint64_t{ms} * 1000 / static_cast<uint64_t>(speed_.load()));
  std::unique_lock<std::mutex> lock(controlMutex_);
  controlChanged_.wait_for(lock, realDelay, [this] { return stopRequested_.load(); });
  controlChanged_.wait(lock, [this] { return !paused_ || stopRequested_; });
}

uint32_t RealTimeHost::milliseconds() {
  std::lock_guard<std::mutex> lock(speedMutex_);
  const std::chrono::duration<double, std::milli> sinceAnchor =
      std::chrono::steady_clock::now() - speedAnchor_;
  return static_cast<uint32_t>(static_cast<int64_t>(unitAtAnchorMs_ + sinceAnchor.count() * speed_));
}

void RealTimeHost::setSpeedFactor(int factor) {
  if (factor < 1) factor = 1;
  std::lock_guard<std::mutex> lock(speedMutex_);
  const auto now = std::chrono::steady_clock::now();
  const std::chrono::duration<double, std::milli> sinceAnchor = now - speedAnchor_;
  unitAtAnchorMs_ += sinceAnchor.count() * speed_;
  speedAnchor_ = now;
  speed_ = factor;
}

int64_t RealTimeHost::unitTimeAheadMs() {
  const auto realMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - startTime_)
          .count();
  return static_cast<int64_t>(milliseconds()) - realMs;
}

HostLocalTime RealTimeHost::localTime() {
  if (options_.fixedStartClock) return {options_.startLocalSeconds + milliseconds() / 1000, 0, false};
  const time_t now = std::time(nullptr) + static_cast<time_t>(unitTimeAheadMs() / 1000);
  tm local{};
  localtime_r(&now, &local);
  // The firmware adds an hour itself while daylight saving is in effect.
  const long standardOffset = local.tm_gmtoff - (local.tm_isdst > 0 ? 3600 : 0);
  return {static_cast<int64_t>(now), static_cast<int32_t>(-standardOffset / 60), local.tm_isdst > 0};
}

InstanceLock RealTimeHost::acquireSingleInstance(const char* name) {
  if (!options_.singleInstance) return InstanceLock::Acquired;
  return instanceLock_.acquire(name);
}

void RealTimeHost::messageBox(const char* text, const char* title) {
  if (callbacks_.messageBox) callbacks_.messageBox(text, title);
}

void RealTimeHost::beep() {
  if (callbacks_.beep) callbacks_.beep();
}

void RealTimeHost::panelRefreshed() {
  if (callbacks_.panelRefreshed) callbacks_.panelRefreshed();
}

uint8_t RealTimeHost::startTickTimers(TickCallback callback) {
  stopTickThreads();
  tickCallback_ = callback;
  ticksStopping_ = false;
  {
    std::lock_guard<std::mutex> lock(statisticsMutex_);
    keyScanStats_ = {};
  }
  uint8_t failed = 0;
  for (int i = 0; i < kTickSourceCount; ++i) {
    try {
      tickThreads_[i] = std::thread(&RealTimeHost::tickThread, this, i);
    } catch (const std::system_error&) {
      failed = static_cast<uint8_t>(failed | (1u << i));
    }
  }
  return failed;
}

void RealTimeHost::stopTickThreads() {
  ticksStopping_ = true;
  controlChanged_.notify_all();
  for (auto& t : tickThreads_)
    if (t.joinable()) t.join();
}

void RealTimeHost::tickThread(int source) {
  const int64_t periodNs = int64_t{kTickPeriodMs[source]} * 1000000;
  const bool keyScan = static_cast<TickSource>(source) == TickSource::Tick20ms;
  const bool countingOnly = static_cast<TickSource>(source) == TickSource::Tick1ms;
  const int64_t shortestWakeNs = countingOnly ? kCountingWakeNs : kShortestWakeNs;
  timespec next{};
  clock_gettime(CLOCK_MONOTONIC, &next);
  double lastMs = -1;
  double sumPeriods = 0;
  while (!ticksStopping_ && !stopRequested_) {
    const int speed = speed_;
    int64_t stepNs = periodNs / speed;
    int ticksDue = 1;
    if (stepNs < shortestWakeNs) {
      ticksDue = static_cast<int>((shortestWakeNs + stepNs - 1) / stepNs);
      stepNs *= ticksDue;
    }
    const bool measured = keyScan && speed == 1;
    next = addNanoseconds(next, stepNs);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    if (paused_) {
      if (!waitWhilePaused()) break;
      clock_gettime(CLOCK_MONOTONIC, &next);  // no burst of missed ticks after a pause
      lastMs = -1;
    }
    if (ticksStopping_ || stopRequested_) break;
    if (measured) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      const double nowMs = toMs(now);
      if (lastMs >= 0) {
        std::lock_guard<std::mutex> lock(statisticsMutex_);
        const double periodMs = nowMs - lastMs;
        sumPeriods += periodMs;
        ++keyScanStats_.count;
        keyScanStats_.meanPeriodMs = sumPeriods / static_cast<double>(keyScanStats_.count);
        keyScanStats_.maxDeviationMs =
            std::max(keyScanStats_.maxDeviationMs, std::fabs(periodMs - static_cast<double>(periodNs) / 1e6));
      }
      lastMs = nowMs;
    }
    if (countingOnly) {
      tim_timer1msBatch(static_cast<uint32_t>(ticksDue));
      continue;
    }
    for (int i = 0; i < ticksDue && !ticksStopping_ && !stopRequested_; ++i)
      tickCallback_(static_cast<TickSource>(source));
  }
}

RealTimeHost::TickStatistics RealTimeHost::keyScanStatistics() const {
  std::lock_guard<std::mutex> lock(statisticsMutex_);
  return keyScanStats_;
}

SerialOpenResult RealTimeHost::serialOpen(int port, const char* deviceName, const SerialSettings& settings,
                                          SerialCallbacks callbacks) {
  if (port < 0 || port >= kPorts) return SerialOpenResult::DeviceFailed;
  SerialPort& p = serial_[port];
  // Only the service port is wired to a host device.
  if (port != 0 || options_.servicePort == "none") {
    if (port == 0) log("Service port disabled.");
    return SerialOpenResult::DeviceFailed;
  }
  std::string error;
  const bool opened = options_.servicePort == "pty"
                          ? p.device.openPseudoTerminal(settings, &error)
                          : p.device.openDevice(options_.servicePort, settings, &error);
  if (!opened) {
    log(std::string("Service port ") + deviceName + ": " + error);
    return SerialOpenResult::DeviceFailed;
  }
  servicePortPath_ = p.device.path();
  log("Service port (4800 baud, 8E1) on " + servicePortPath_);
  p.callbacks = callbacks;
  p.stopping = false;
  p.hasByte = false;
  try {
    p.transmitThread = std::thread(&RealTimeHost::transmitLoop, this, port);
    p.receiveThread = std::thread(&RealTimeHost::receiveLoop, this, port);
  } catch (const std::system_error&) {
    stopSerial(port);
    return SerialOpenResult::ThreadFailed;
  }
  return SerialOpenResult::Opened;
}

void RealTimeHost::serialSend(int port, uint8_t byte) {
  if (port < 0 || port >= kPorts) return;
  SerialPort& p = serial_[port];
  {
    std::lock_guard<std::mutex> lock(p.mutex);
    if (!p.transmitThread.joinable()) return;
    p.byte = byte;
    p.hasByte = true;
  }
  p.wake.notify_one();
}

void RealTimeHost::serialStop(int port) { stopSerial(port); }

void RealTimeHost::stopSerial(int port) {
  SerialPort& p = serial_[port];
  {
    std::lock_guard<std::mutex> lock(p.mutex);
    p.stopping = true;
  }
  p.wake.notify_all();
  if (p.stopPipe[1] >= 0) {
    const char wakeByte = 1;
    [[maybe_unused]] ssize_t n = write(p.stopPipe[1], &wakeByte, 1);
  }
  if (p.transmitThread.joinable()) p.transmitThread.join();
  if (p.receiveThread.joinable()) p.receiveThread.join();
  if (p.stopPipe[0] >= 0) {
    char drain[16];
    while (true) {
      pollfd pfd{p.stopPipe[0], POLLIN, 0};
      if (poll(&pfd, 1, 0) <= 0) break;
      if (read(p.stopPipe[0], drain, sizeof drain) <= 0) break;
    }
  }
  p.device.close();
}

void RealTimeHost::transmitLoop(int port) {
  SerialPort& p = serial_[port];
  for (;;) {
    uint8_t byte = 0;
    {
      std::unique_lock<std::mutex> lock(p.mutex);
      p.wake.wait(lock, [&p] { return p.hasByte || p.stopping; });
      if (p.stopping) break;
      byte = p.byte;
      p.hasByte = false;
    }
    if (write(p.device.fd(), &byte, 1) != 1) {
      TRC_Printf("\ntrmThread: %d, WriteFileExFailed().", port);
      continue;
    }
    if (!p.device.isPseudoTerminal()) tcdrain(p.device.fd());
    if (p.callbacks.byteSent != nullptr) p.callbacks.byteSent(port);
  }
  TRC_Printf("\nWin32_Uart_%d: com_trmThread terminated", port);
}

void RealTimeHost::receiveLoop(int port) {
  SerialPort& p = serial_[port];
  for (;;) {
    pollfd fds[2] = {{p.device.fd(), POLLIN, 0}, {p.stopPipe[0], POLLIN, 0}};
    const int ready = poll(fds, 2, -1);
    if (ready < 0) continue;
    if (fds[1].revents != 0) break;
    if ((fds[0].revents & POLLIN) != 0) {
      uint8_t byte = 0;
      if (read(p.device.fd(), &byte, 1) == 1) {
        if (p.callbacks.byteReceived != nullptr) p.callbacks.byteReceived(port, byte);
        continue;
      }
      TRC_Printf("\ncomRecThread: ReadFileEx failed.");
    }
    if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
      // A device that went away: wait for the stop instead of spinning.
      pollfd stopOnly{p.stopPipe[0], POLLIN, 0};
      poll(&stopOnly, 1, 200);
      if (stopOnly.revents != 0) break;
    }
  }
  TRC_Printf("\nWin32_Uart_%d: com_recThread terminated", port);
}
