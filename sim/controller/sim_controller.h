// A simulated boiler controller on a virtual bus: it writes its status
// record, reads the unit's telegrams and answers them, keeps a clock and
// lets the plant move over the day.
//
// The controller does one bus action per call of step(); the caller runs
// it at the returned interval: as scheduled actions of the virtual-time
// host (attachTo) or from a thread of its own (the real-time host).
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "sim/controller/plant_model.h"

class VirtualTimeHost;

namespace simctl {

struct Statistics {
  uint64_t framesWritten = 0;
  uint64_t framesRead = 0;
  uint64_t telegramsAnswered = 0;
  uint64_t refusedFrames = 0;
  uint64_t firstIdentificationMs = 0;  // 0 = none yet
};

class SimController {
 public:
  static constexpr uint32_t kSlotMs = 30;            // after a frame that wants a follow-up
  static constexpr uint32_t kIdlePollMs = 90;        // after a read that found nothing
  static constexpr uint32_t kStatusPeriodMs = 1000;  // status record
  static constexpr uint32_t kFirstFrameMs = 1500;    // after power-up

  // One bus action at unit time `nowMs`; returns the delay to the next.
  uint32_t step(uint64_t nowMs);
  // Schedules step() on the virtual-time host for as long as it runs.
  void attachTo(VirtualTimeHost& host, uint64_t startMs = kFirstFrameMs);

  // Fault injection and settings by name ("fault", "maintenance",
  // "daily-restart", "reset-request", "lockout", "calibration",
  // "parametrisation", "filling", "venting", "flue-gas-check",
  // "commissioning", "silent"). False for an unknown name.
  bool set(const std::string& name, bool on);
  // A value the controller holds, by name ("room-setpoint-hc1",
  // "room-setpoint-reduced-hc2", "operating-program-hc1", "hot-water-setpoint",
  // "boiler-temperature", "outdoor-temperature", "hot-water-temperature",
  // "burner", "contrast", "language", "reset-reason", "commands").
  // Temperatures in degrees Celsius. False for an unknown name.
  bool value(const std::string& name, double* out) const;
  static const char* valueNames();
  static bool isValue(const std::string& name);
  static bool isSwitch(const std::string& name);
  static const char* switchNames();

  bool silent() const { return silent_; }
  Statistics statistics() const;

 private:
  void seedOnce();
  void advanceClock(uint64_t nowMs);
  void writeStatus();
  // True when a telegram was read.
  bool pollTelegram();
  void writeAnswer();

  mutable std::mutex mutex_;
  PlantModel model_;
  bool seeded_ = false;
  bool silent_ = false;
  uint64_t lastMs_ = 0;
  uint64_t carryMs_ = 0;
  uint64_t nextStatusMs_ = 0;
  Bytes pendingAnswer_;
  Statistics stats_;
};

}  // namespace simctl
