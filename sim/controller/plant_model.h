// The boiler controller's own state: its data blocks as it answers them,
// and a small plant whose values move over the day.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace simctl {

using Bytes = std::vector<uint8_t>;

constexpr int kCircuits = 2;

// Places of the values the controller keeps in its blocks (temperatures
// in half degrees unless noted).
namespace place {
// Job 0 block.
constexpr int kBoilerTemperature = 2;
constexpr int kFlowTemperature = 3;
constexpr int kHotWaterSetpoint = 4;
constexpr int kHotWaterTemperature = 5;
constexpr int kOutdoorTemperature = 6;  // whole degrees, signed
constexpr int kBurnerOn = 12;
constexpr int kModulation = 13;  // percent
// Circuit part of job 0 (3 bytes).
constexpr int kCircuitPhase = 0;  // 1 normal, 0 reduced operation
constexpr int kRoomTemperature = 1;
constexpr int kRoomSetpointNow = 2;
// Circuit part of job 1 (20 bytes).
constexpr int kOperatingProgram = 0;
constexpr int kRoomSetpointNormal = 1;
constexpr int kRoomSetpointReduced = 2;
constexpr int kSlope = 3;
constexpr int kLevel = 4;
}  // namespace place

struct CircuitState {
  std::array<uint8_t, 3> job0{};
  std::array<uint8_t, 20> job1{};
  std::array<uint8_t, 5> job2{};
  // [program][day][period][on/off] in 10-minute steps, 255 = unused.
  uint8_t times[3][7][4][2]{};
  std::u16string name;
  uint8_t nameLanguage = 0;
};

// Indications and service states the host can switch on and off.
struct Injection {
  bool fault = false;
  bool maintenance = false;
  bool dailyRestart = false;
  bool resetRequest = false;
  bool lockout = false;
  bool calibration = false;
  bool parametrisation = false;
  bool filling = false;
  bool venting = false;
  bool flueGasCheck = false;
  bool commissioning = false;
};

struct PlantModel {
  Bytes config = Bytes(30);
  Bytes status = Bytes(20);
  Bytes job0 = Bytes(24);
  Bytes job1 = Bytes(7);
  Bytes job2Short = Bytes(10);
  Bytes job2Long = Bytes(11);
  Bytes job13 = Bytes(26);
  Bytes job15 = Bytes(54);
  Bytes job16 = Bytes(37);
  Bytes job17 = Bytes(25);
  Bytes job18 = Bytes(27);
  Bytes job24 = Bytes(29);
  Bytes job26 = Bytes(29);
  Bytes historyA = Bytes(110);
  Bytes historyB = Bytes(110);
  CircuitState circuits[kCircuits];
  Injection injection;
  uint32_t clock = 0;  // local seconds since 1970
  uint8_t lastResetReason = 0;
  uint32_t commandsApplied = 0;

  // Boiler and hot water state of the simulation (degrees Celsius).
  double boiler = 50;
  double hotWater = 52;
  double rooms[kCircuits] = {21, 19};
  bool burner = false;
  bool hotWaterCharging = false;

  // Starts from the demonstration data set the unit holds right now.
  void seedFromDataImage();
  // Moves the clock and the plant forward by `seconds`.
  void advance(uint32_t seconds);
  // Whether the heating program of `circuit` (0..1) is in normal operation now.
  bool heatingNormal(int circuit) const;
  // The 20-byte status record with the injected indications.
  Bytes statusRecord() const;
};

}  // namespace simctl
