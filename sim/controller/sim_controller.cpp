#include "sim/controller/sim_controller.h"

#include "sim/controller/bus_port.h"
#include "sim/controller/protocol.h"
#include "sim/virtual_time_host.h"

namespace simctl {

namespace {

struct Switch {
  const char* name;
  bool Injection::*flag;
};
constexpr Switch kSwitches[] = {
    {"fault", &Injection::fault},
    {"maintenance", &Injection::maintenance},
    {"daily-restart", &Injection::dailyRestart},
    {"reset-request", &Injection::resetRequest},
    {"lockout", &Injection::lockout},
    {"calibration", &Injection::calibration},
    {"parametrisation", &Injection::parametrisation},
    {"filling", &Injection::filling},
    {"venting", &Injection::venting},
    {"flue-gas-check", &Injection::flueGasCheck},
    {"commissioning", &Injection::commissioning},
};

double halfDegrees(uint8_t b) { return b / 2.0; }

}  // namespace

void SimController::seedOnce() {
  if (seeded_) return;
  model_.seedFromDataImage();
  seeded_ = true;
}

void SimController::advanceClock(uint64_t nowMs) {
  if (nowMs > lastMs_) carryMs_ += nowMs - lastMs_;
  lastMs_ = nowMs;
  const auto seconds = static_cast<uint32_t>(carryMs_ / 1000);
  if (seconds == 0) return;
  carryMs_ -= seconds * 1000ull;
  model_.advance(seconds);
}

void SimController::writeStatus() {
  if (!BUS_WriteObject(kStatusObject, model_.statusRecord())) ++stats_.refusedFrames;
  ++stats_.framesWritten;
}

bool SimController::pollTelegram() {
  const Bytes telegram = BUS_ReadData(0);
  ++stats_.framesRead;
  if (telegram.empty()) return false;
  if (telegram.size() >= 4 && telegram[0] == 20 && telegram[3] == 240 && stats_.firstIdentificationMs == 0)
    stats_.firstIdentificationMs = lastMs_;
  pendingAnswer_ = CTL_Answer(model_, telegram);
  return true;
}

void SimController::writeAnswer() {
  if (!BUS_WriteObject(kAnswerObject, pendingAnswer_)) ++stats_.refusedFrames;
  ++stats_.framesWritten;
  ++stats_.telegramsAnswered;
  pendingAnswer_.clear();
}

uint32_t SimController::step(uint64_t nowMs) {
  std::lock_guard<std::mutex> lock(mutex_);
  seedOnce();
  advanceClock(nowMs);
  if (silent_) return kSlotMs;
  if (!pendingAnswer_.empty()) {
    writeAnswer();
  } else if (nowMs >= nextStatusMs_) {
    nextStatusMs_ = nowMs + kStatusPeriodMs;
    writeStatus();
  } else if (!pollTelegram()) {
    return kIdlePollMs;
  }
  return kSlotMs;
}

void SimController::attachTo(VirtualTimeHost& host, uint64_t startMs) {
  host.schedule(startMs, [this, &host] {
    const uint32_t next = step(host.now());
    attachTo(host, host.now() + next);
  });
}

bool SimController::set(const std::string& name, bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (name == "silent") {
    silent_ = on;
    return true;
  }
  for (const Switch& s : kSwitches) {
    if (name != s.name) continue;
    model_.injection.*s.flag = on;
    return true;
  }
  return false;
}

const char* SimController::valueNames() {
  return "room-setpoint-hc1, room-setpoint-hc2, room-setpoint-reduced-hc1, room-setpoint-reduced-hc2, "
         "operating-program-hc1, operating-program-hc2, hot-water-setpoint, boiler-temperature, "
         "outdoor-temperature, hot-water-temperature, burner, contrast, language, reset-reason, commands";
}

bool SimController::isSwitch(const std::string& name) {
  if (name == "silent") return true;
  for (const Switch& s : kSwitches)
    if (name == s.name) return true;
  return false;
}

const char* SimController::switchNames() {
  return "fault, maintenance, daily-restart, reset-request, lockout, calibration, parametrisation, filling, "
         "venting, flue-gas-check, commissioning, silent";
}

bool SimController::isValue(const std::string& name) {
  static const SimController probe;
  double ignored = 0;
  return probe.value(name, &ignored);
}

bool SimController::value(const std::string& name, double* out) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const PlantModel& m = model_;
  for (int c = 0; c < kCircuits; ++c) {
    const std::string hc = "-hc" + std::to_string(c + 1);
    const auto& job1 = m.circuits[c].job1;
    if (name == "room-setpoint" + hc) return *out = halfDegrees(job1[place::kRoomSetpointNormal]), true;
    if (name == "room-setpoint-reduced" + hc)
      return *out = halfDegrees(job1[place::kRoomSetpointReduced]), true;
    if (name == "operating-program" + hc) return *out = job1[place::kOperatingProgram], true;
  }
  if (name == "hot-water-setpoint") return *out = halfDegrees(m.job0[place::kHotWaterSetpoint]), true;
  if (name == "boiler-temperature") return *out = m.boiler, true;
  if (name == "hot-water-temperature") return *out = m.hotWater, true;
  if (name == "outdoor-temperature")
    return *out = static_cast<int8_t>(m.job0[place::kOutdoorTemperature]), true;
  if (name == "burner") return *out = m.burner ? 1 : 0, true;
  if (name == "contrast") return *out = m.job2Short[4], true;
  if (name == "language") return *out = m.job2Short[5], true;
  if (name == "reset-reason") return *out = m.lastResetReason, true;
  if (name == "commands") return *out = m.commandsApplied, true;
  return false;
}

Statistics SimController::statistics() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return stats_;
}

}  // namespace simctl
