#include "sim/controller/plant_model.h"

#include <algorithm>
#include <cmath>

#include "data/data_fields.h"
#include "data/data_image.h"

namespace simctl {

namespace {

void copyBlock(DatBlock block, Bytes& to) {
  const uint8_t* from = DAT_Block(block);
  const size_t n = std::min<size_t>(to.size(), DAT_BlockSize(block));
  std::copy(from, from + n, to.begin());
}

template <size_t N>
void copyRecord(const uint8_t* record, int offset, std::array<uint8_t, N>& to) {
  std::copy(record + offset, record + offset + N, to.begin());
}

uint8_t halfDegrees(double celsius) {
  return static_cast<uint8_t>(std::clamp(std::lround(celsius * 2), 0L, 254L));
}

void setBit(Bytes& bytes, int byte, int bit, bool on) {
  const auto mask = static_cast<uint8_t>(1u << bit);
  bytes[byte] = static_cast<uint8_t>(on ? bytes[byte] | mask : bytes[byte] & ~mask);
}

constexpr double kPi = 3.14159265358979;

}  // namespace

void PlantModel::seedFromDataImage() {
  copyBlock(DatBlock::Config, config);
  copyBlock(DatBlock::Status, status);
  copyBlock(DatBlock::Job0, job0);
  copyBlock(DatBlock::Job1, job1);
  copyBlock(DatBlock::Job2Short, job2Short);
  copyBlock(DatBlock::Job2Long, job2Long);
  copyBlock(DatBlock::Job13_14, job13);
  copyBlock(DatBlock::Job15, job15);
  copyBlock(DatBlock::Job16, job16);
  copyBlock(DatBlock::Job17, job17);
  copyBlock(DatBlock::Job18, job18);
  copyBlock(DatBlock::Job24, job24);
  copyBlock(DatBlock::Job26, job26);
  copyBlock(DatBlock::FaultHistoryA, historyA);
  copyBlock(DatBlock::FaultHistoryB, historyB);
  for (int c = 0; c < kCircuits; ++c) {
    const uint8_t* record = DAT_CircuitRecord(static_cast<uint8_t>(c + 1));
    CircuitState& circuit = circuits[c];
    copyRecord(record, kRecordJob0Offset, circuit.job0);
    copyRecord(record, kRecordJob1Offset, circuit.job1);
    copyRecord(record, kRecordJob2Offset, circuit.job2);
    for (int p = 0; p < 3; ++p)
      for (int d = 0; d < 7; ++d)
        for (int k = 0; k < 4; ++k)
          for (int e = 0; e < 2; ++e)
            circuit.times[p][d][k][e] = DAT_GetSwitchingTime(static_cast<uint8_t>(c), static_cast<uint8_t>(p),
                                                             static_cast<uint8_t>(d), static_cast<uint8_t>(k),
                                                             static_cast<uint8_t>(e));
    const CircuitName* name = DAT_GetCircuitName(static_cast<uint8_t>(c + 1));
    circuit.name.clear();
    for (uint16_t unit : name->units) {
      if (unit == 0) break;
      circuit.name.push_back(static_cast<char16_t>(unit));
    }
    circuit.nameLanguage = name->language;
    rooms[c] = circuit.job0[place::kRoomTemperature] / 2.0;
  }
  clock = static_cast<uint32_t>(DAT_Get(df::ControllerClock));
  boiler = job0[place::kBoilerTemperature] / 2.0;
  hotWater = job0[place::kHotWaterTemperature] / 2.0;
}

bool PlantModel::heatingNormal(int circuit) const {
  const uint8_t program = circuits[circuit].job1[place::kOperatingProgram];
  if (program == 1) return true;                              // permanently normal
  if (program == 2) return false;                             // permanently reduced
  const int day = static_cast<int>((clock / 86400 + 3) % 7);  // 0 = Monday
  const int step = static_cast<int>((clock % 86400) / 600);
  for (const auto& period : circuits[circuit].times[0][day]) {
    if (period[0] == 255 || period[1] == 255) continue;
    if (step >= period[0] && step < period[1]) return true;
  }
  return false;
}

void PlantModel::advance(uint32_t seconds) {
  clock += seconds;
  const double dt = seconds / 3600.0;  // hours
  const double dayFraction = (clock % 86400) / 86400.0;
  // Coldest at 5 o'clock, warmest at 17 o'clock.
  const double outdoor = 4.0 + 6.0 * std::sin(2 * kPi * (dayFraction - 11.0 / 24.0));
  job0[place::kOutdoorTemperature] = static_cast<uint8_t>(static_cast<int8_t>(std::lround(outdoor)));

  bool heatDemand = false;
  double flowTarget = 0;
  for (int c = 0; c < kCircuits; ++c) {
    CircuitState& circuit = circuits[c];
    const bool normal = heatingNormal(c);
    const uint8_t setpointByte =
        circuit.job1[normal ? place::kRoomSetpointNormal : place::kRoomSetpointReduced];
    const double setpoint = setpointByte / 2.0;
    const double slope = circuit.job1[place::kSlope] / 10.0;
    const double target = setpoint + slope * std::max(0.0, setpoint - outdoor) + 5;
    if (rooms[c] < setpoint) heatDemand = true;
    flowTarget = std::max(flowTarget, std::min(75.0, target));
    // Rooms lose heat to the outside and gain it from the flow.
    rooms[c] +=
        dt * (0.08 * (outdoor - rooms[c]) + (boiler > rooms[c] + 10 ? 0.02 * (boiler - rooms[c]) : 0));
    circuit.job0[place::kCircuitPhase] = normal ? 1 : 0;
    circuit.job0[place::kRoomTemperature] = halfDegrees(rooms[c]);
    circuit.job0[place::kRoomSetpointNow] = setpointByte;
  }
  const double hotWaterSetpoint = job0[place::kHotWaterSetpoint] / 2.0;
  if (hotWater < hotWaterSetpoint - 5) hotWaterCharging = true;
  if (hotWater >= hotWaterSetpoint) hotWaterCharging = false;
  if (hotWaterCharging) flowTarget = std::max(flowTarget, hotWaterSetpoint + 15);
  burner = !injection.lockout && (heatDemand || hotWaterCharging) && boiler < flowTarget + 3;
  boiler += dt * (burner ? 60.0 : -10.0 * (boiler - 20) / 30);
  boiler = std::clamp(boiler, 15.0, 85.0);
  hotWater += dt * (hotWaterCharging ? 0.5 * (boiler - hotWater) : -1.5);
  hotWater = std::clamp(hotWater, 10.0, 80.0);

  job0[place::kBoilerTemperature] = halfDegrees(boiler);
  job0[place::kFlowTemperature] = halfDegrees(std::max(20.0, boiler - 4));
  job0[place::kHotWaterTemperature] = halfDegrees(hotWater);
  job0[place::kBurnerOn] = burner ? 1 : 0;
  job0[place::kModulation] =
      burner ? static_cast<uint8_t>(std::clamp(flowTarget - boiler + 40, 20.0, 100.0)) : 0;
  setBit(job15, 1, 5, injection.commissioning);
  setBit(job15, 13, 6, injection.filling);
  setBit(job15, 13, 5, injection.venting);
}

Bytes PlantModel::statusRecord() const {
  Bytes record = status;
  const Injection& in = injection;
  setBit(record, 0, 1, in.fault);
  setBit(record, 1, 5, in.dailyRestart);
  setBit(record, 1, 6, in.maintenance);
  setBit(record, 1, 7, in.resetRequest);
  setBit(record, 5, 0, in.parametrisation);
  setBit(record, 5, 1, in.calibration);
  setBit(record, 7, 4, in.flueGasCheck);
  setBit(record, 7, 5, in.lockout);
  for (int c = 0; c < kCircuits; ++c) {
    record[8 + 4 * c + 1] = circuits[c].job0[place::kRoomTemperature];
    record[8 + 4 * c + 2] = circuits[c].job0[place::kRoomSetpointNow];
  }
  return record;
}

}  // namespace simctl
