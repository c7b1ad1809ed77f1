// Virtual-time host: the whole unit on one thread, deterministically.
//
// Time moves only inside the firmware's delays. While a delay runs, the
// host fires the tick routines at their due times (1, 10, 20 and 100 ms, in
// that order within one millisecond) and then the host actions scheduled
// for that millisecond (key changes, serial bytes, scenario steps).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/host_services.h"
#include "platform/panel_memory.h"

class VirtualTimeHost : public HostServices {
 public:
  struct Listener {
    virtual ~Listener() = default;
    virtual void onTrace(uint64_t /*timeMs*/, const char* /*text*/) {}
    virtual void onSerialTransmit(uint64_t /*timeMs*/, uint8_t /*byte*/) {}
    virtual void onMessageBox(const char* /*text*/, const char* /*title*/) {}
    virtual void onPanelRefreshed(uint64_t /*timeMs*/) {}
    virtual void onError(uint64_t /*timeMs*/, const char* /*message*/) {}
  };

  // `startLocalSeconds` is the local wall-clock time (seconds since 1970) at virtual time 0.
  explicit VirtualTimeHost(int64_t startLocalSeconds);

  void setListener(Listener* listener) { listener_ = listener; }

  // Host-side actions at a virtual time (same-time actions run in the order scheduled).
  void schedule(uint64_t timeMs, std::function<void()> action);
  uint64_t now() const { return nowMs_; }
  void requestStop() { stop_ = true; }

  // What a user or test station does to the unit.
  void setHardkey(uint8_t hardkey, bool pressed);
  // Bytes arrive one after another at the line speed of the port.
  void receiveSerial(int port, const uint8_t* bytes, size_t count);
  bool serialOpen(int port) const;

  static constexpr uint32_t kSerialByteTimeMs = 3;  // 11 bits at 4800 baud, rounded up

  // HostServices
  void trace(const char* text) override;
  void delayMs(uint32_t ms) override;
  bool stopRequested() override { return stop_; }
  uint32_t milliseconds() override { return static_cast<uint32_t>(nowMs_); }
  HostLocalTime localTime() override;
  InstanceLock acquireSingleInstance(const char*) override { return InstanceLock::Acquired; }
  void messageBox(const char* text, const char* title) override;
  void beep() override {}
  uint8_t startTickTimers(TickCallback callback) override;
  bool singleThreaded() const override { return true; }
  void setHardkeyCallback(HardkeyCallback callback) override { hardkeyCallback_ = callback; }
  SerialOpenResult serialOpen(int port, const char* deviceName, const SerialSettings& settings,
                              SerialCallbacks callbacks) override;
  void serialSend(int port, uint8_t byte) override;
  void serialStop(int port) override;
  void reportError(const char* message) override;
  PanelMemory* panel() override { return &panel_; }
  void panelRefreshed() override {
    if (listener_ != nullptr) listener_->onPanelRefreshed(nowMs_);
  }

 private:
  void advanceTo(uint64_t targetMs);
  uint64_t nextTickDue() const;
  void runDueTicks(uint64_t timeMs);
  void runDueActions(uint64_t timeMs);

  static constexpr int kPorts = 2;

  Listener* listener_ = nullptr;
  int64_t startLocalSeconds_;
  uint64_t nowMs_ = 0;
  bool stop_ = false;

  TickCallback tickCallback_ = nullptr;
  uint64_t nextDue_[kTickSourceCount] = {};
  uint64_t last1msTick_ = 0;

  HardkeyCallback hardkeyCallback_ = nullptr;
  SerialCallbacks serial_[kPorts] = {};
  bool serialOpen_[kPorts] = {};
  uint64_t serialReceiveFree_[kPorts] = {};

  std::multimap<std::pair<uint64_t, uint64_t>, std::function<void()>> actions_;
  uint64_t actionSequence_ = 0;

  PanelMemory panel_;
};
