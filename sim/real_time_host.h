// Real-time host: the unit on an application thread of its own, four
// periodic tick threads (1, 10, 20, 100 ms) and one transmit and one
// receive thread for the service port.
//
// The host program controls the application thread: start, pause (the
// application and the tick threads stop at their next delay point and wait),
// resume, and stop (the application thread leaves its run loop at the next
// delay point; nothing the firmware owns is torn down from another thread).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/host_services.h"
#include "platform/panel_memory.h"
#include "sim/instance_lock.h"
#include "sim/serial_device.h"

class RealTimeHost : public HostServices {
 public:
  struct Options {
    // "pty" (default): a pseudo-terminal; "none": no service port; else a device path.
    std::string servicePort = "pty";
    // The desktop program allows one simulation at a time; the headless runner does not.
    bool singleInstance = false;
    // Local time at start (seconds since 1970 as local wall-clock); unset: the host's clock.
    bool fixedStartClock = false;
    int64_t startLocalSeconds = 0;
  };
  struct Callbacks {
    std::function<void(const char*)> trace;                    // any thread
    std::function<void(const std::string&)> log;               // host messages
    std::function<void(const char*, const char*)> messageBox;  // text, title
    std::function<void()> beep;
    std::function<void()> panelRefreshed;
    std::function<void()> applicationEnded;  // app thread, at its end
  };
  // Spread of the 20 ms key scan's actual period, for the jitter figure.
  struct TickStatistics {
    uint64_t count = 0;
    double meanPeriodMs = 0;
    double maxDeviationMs = 0;
  };

  RealTimeHost(Options options, Callbacks callbacks);
  ~RealTimeHost() override;

  void start();
  void stop();
  void pause();
  void resume();
  bool running() const { return appThread_.joinable() && !appEnded_; }
  bool paused() const { return paused_; }

  // From the host's window thread.
  void setHardkey(uint8_t hardkey, bool pressed);
  const std::string& servicePortPath() const { return servicePortPath_; }
  // Unit time runs `factor` times faster than real time (1 = real time):
  // tick periods and delays shrink, the unit's clock follows. Any thread.
  void setSpeedFactor(int factor);
  int speedFactor() const { return speed_; }
  TickStatistics keyScanStatistics() const;

  // HostServices
  void trace(const char* text) override;
  void delayMs(uint32_t ms) override;
  bool stopRequested() override { return stopRequested_; }
  uint32_t milliseconds() override;
  HostLocalTime localTime() override;
  InstanceLock acquireSingleInstance(const char* name) override;
  void messageBox(const char* text, const char* title) override;
  void beep() override;
  uint8_t startTickTimers(TickCallback callback) override;
  bool singleThreaded() const override { return false; }
  void setHardkeyCallback(HardkeyCallback callback) override { hardkeyCallback_ = callback; }
  SerialOpenResult serialOpen(int port, const char* deviceName, const SerialSettings& settings,
                              SerialCallbacks callbacks) override;
  void serialSend(int port, uint8_t byte) override;
  void serialStop(int port) override;
  PanelMemory* panel() override { return &panel_; }
  void panelRefreshed() override;

 private:
  struct SerialPort {
    SerialDevice device;
    SerialCallbacks callbacks{};
    std::thread transmitThread;
    std::thread receiveThread;
    std::mutex mutex;
    std::condition_variable wake;
    bool hasByte = false;
    uint8_t byte = 0;
    bool stopping = false;
    int stopPipe[2] = {-1, -1};
  };

  void tickThread(int source);
  // Blocks while paused; false once the host wants the threads to end.
  bool waitWhilePaused();
  void transmitLoop(int port);
  void receiveLoop(int port);
  void stopTickThreads();
  void stopSerial(int port);
  void log(const std::string& message);
  // Unit time in milliseconds minus real time since start.
  int64_t unitTimeAheadMs();

  static constexpr int kPorts = 2;

  Options options_;
  Callbacks callbacks_;
  PanelMemory panel_;
  InstanceLockFile instanceLock_;

  std::thread appThread_;
  std::atomic<bool> appEnded_{false};
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> paused_{false};
  mutable std::mutex controlMutex_;
  std::condition_variable controlChanged_;

  std::mutex traceMutex_;
  std::atomic<HardkeyCallback> hardkeyCallback_{nullptr};

  TickCallback tickCallback_ = nullptr;
  std::thread tickThreads_[kTickSourceCount];
  std::atomic<bool> ticksStopping_{false};

  mutable std::mutex statisticsMutex_;
  TickStatistics keyScanStats_;

  SerialPort serial_[kPorts];
  std::string servicePortPath_;

  std::chrono::steady_clock::time_point startTime_ = std::chrono::steady_clock::now();

  // Unit time = unitAtAnchorMs_ + (now - speedAnchor_) * speed_.
  std::atomic<int> speed_{1};
  std::mutex speedMutex_;
  std::chrono::steady_clock::time_point speedAnchor_ = startTime_;
  double unitAtAnchorMs_ = 0;
};
