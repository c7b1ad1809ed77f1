#include "sim/virtual_time_host.h"

#include <algorithm>
#include <limits>

#include "platform/cpu_timer.h"

VirtualTimeHost::VirtualTimeHost(int64_t startLocalSeconds) : startLocalSeconds_(startLocalSeconds) {}

void VirtualTimeHost::schedule(uint64_t timeMs, std::function<void()> action) {
  actions_.emplace(std::make_pair(std::max(timeMs, nowMs_), actionSequence_++), std::move(action));
}

void VirtualTimeHost::setHardkey(uint8_t hardkey, bool pressed) {
  if (hardkeyCallback_ != nullptr) hardkeyCallback_(hardkey, pressed);
}

void VirtualTimeHost::receiveSerial(int port, const uint8_t* bytes, size_t count) {
  if (port < 0 || port >= kPorts) return;
  uint64_t at = std::max(serialReceiveFree_[port], nowMs_);
  for (size_t i = 0; i < count; ++i) {
    at += kSerialByteTimeMs;
    const uint8_t byte = bytes[i];
    schedule(at, [this, port, byte] {
      if (serialOpen_[port] && serial_[port].byteReceived != nullptr) serial_[port].byteReceived(port, byte);
    });
  }
  serialReceiveFree_[port] = at;
}

bool VirtualTimeHost::serialOpen(int port) const { return port >= 0 && port < kPorts && serialOpen_[port]; }

void VirtualTimeHost::trace(const char* text) {
  if (listener_ != nullptr) listener_->onTrace(nowMs_, text);
}

void VirtualTimeHost::reportError(const char* message) {
  if (listener_ != nullptr) listener_->onError(nowMs_, message);
}

void VirtualTimeHost::messageBox(const char* text, const char* title) {
  if (listener_ != nullptr) listener_->onMessageBox(text, title);
}

HostLocalTime VirtualTimeHost::localTime() {
  return HostLocalTime{startLocalSeconds_ + static_cast<int64_t>(nowMs_ / 1000), 0, false};
}

uint8_t VirtualTimeHost::startTickTimers(TickCallback callback) {
  tickCallback_ = callback;
  for (int i = 0; i < kTickSourceCount; ++i) nextDue_[i] = nowMs_ + kTickPeriodMs[i];
  last1msTick_ = nowMs_;
  return 0;
}

SerialOpenResult VirtualTimeHost::serialOpen(int port, const char*, const SerialSettings&,
                                             SerialCallbacks callbacks) {
  if (port < 0 || port >= kPorts) return SerialOpenResult::DeviceFailed;
  serial_[port] = callbacks;
  serialOpen_[port] = true;
  return SerialOpenResult::Opened;
}

void VirtualTimeHost::serialSend(int port, uint8_t byte) {
  if (!serialOpen(port)) return;
  if (listener_ != nullptr) listener_->onSerialTransmit(nowMs_, byte);
  schedule(nowMs_ + kSerialByteTimeMs, [this, port] {
    if (serialOpen_[port] && serial_[port].byteSent != nullptr) serial_[port].byteSent(port);
  });
}

void VirtualTimeHost::serialStop(int port) {
  if (port >= 0 && port < kPorts) serialOpen_[port] = false;
}

void VirtualTimeHost::delayMs(uint32_t ms) { advanceTo(nowMs_ + ms); }

uint64_t VirtualTimeHost::nextTickDue() const {
  if (tickCallback_ == nullptr) return std::numeric_limits<uint64_t>::max();
  // The 1 ms source is handed over in batches, so only the others set the pace.
  return std::min({nextDue_[1], nextDue_[2], nextDue_[3]});
}

void VirtualTimeHost::runDueTicks(uint64_t timeMs) {
  if (tickCallback_ == nullptr) return;
  tim_timer1msBatch(static_cast<uint32_t>(timeMs - last1msTick_));
  last1msTick_ = timeMs;
  for (int i = 1; i < kTickSourceCount; ++i) {
    if (nextDue_[i] != timeMs) continue;
    tickCallback_(static_cast<TickSource>(i));
    nextDue_[i] += kTickPeriodMs[i];
  }
}

void VirtualTimeHost::runDueActions(uint64_t timeMs) {
  while (!actions_.empty() && actions_.begin()->first.first <= timeMs) {
    auto node = actions_.extract(actions_.begin());
    node.mapped()();
  }
}

void VirtualTimeHost::advanceTo(uint64_t targetMs) {
  // Actions scheduled for the current instant (by the firmware's own run) go first.
  runDueActions(nowMs_);
  while (!stop_ && nowMs_ < targetMs) {
    uint64_t next = std::min(targetMs, nextTickDue());
    if (!actions_.empty()) next = std::min(next, actions_.begin()->first.first);
    nowMs_ = next;
    runDueTicks(nowMs_);
    runDueActions(nowMs_);
  }
}
