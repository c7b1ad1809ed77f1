#include "sim/controller/protocol.h"

#include <algorithm>

namespace simctl {

namespace {

constexpr uint8_t kDataRequest = 231;
constexpr uint8_t kIdentification = 240;
constexpr uint8_t kWriteMarker = '#';
constexpr size_t kDataSize = kAnswerSize - 2;

void put(Bytes& to, size_t at, const uint8_t* from, size_t n) {
  for (size_t i = 0; i < n && at + i < to.size(); ++i) to[at + i] = from[i];
}
void put(Bytes& to, size_t at, const Bytes& from) { put(to, at, from.data(), from.size()); }

uint8_t encodeTime(uint8_t steps) {
  if (steps > 144) return 255;
  return static_cast<uint8_t>(steps / 6 * 8 + steps % 6);
}

int circuitIndex(uint8_t circuit) { return circuit == 2 ? 1 : 0; }

uint32_t readLong(const Bytes& b, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[at + i]) << (8 * i);
  return v;
}

Bytes nameData(const CircuitState& circuit, uint8_t part) {
  Bytes data(kDataSize);
  const size_t first = part == 2 ? 10 : 0;
  const size_t count = circuit.name.size() > first ? std::min<size_t>(10, circuit.name.size() - first) : 0;
  data[0] = part == 2 ? 2 : 1;
  data[1] = static_cast<uint8_t>(count);
  for (size_t i = 0; i < count; ++i) {
    data[2 + 2 * i] = static_cast<uint8_t>(circuit.name[first + i] & 0xFF);
    data[3 + 2 * i] = static_cast<uint8_t>(circuit.name[first + i] >> 8);
  }
  data[22] = circuit.nameLanguage;
  return data;
}

void applyNameTelegram(PlantModel& model, const Bytes& t) {
  if (t[2] != 1 && t[2] != 2) return;
  CircuitState& circuit = model.circuits[circuitIndex(t[2])];
  const size_t first = t[3] == 3 ? 10 : 0;
  const size_t count = std::min<size_t>(t[4], 10);
  if (first == 0) circuit.name.clear();
  circuit.name.resize(std::min(circuit.name.size(), first));
  for (size_t i = 0; i < count; ++i)
    circuit.name.push_back(static_cast<char16_t>(t[5 + 2 * i] | (t[6 + 2 * i] << 8)));
  circuit.nameLanguage = t[29];
  ++model.commandsApplied;
}

void applyCommand(PlantModel& model, uint8_t code, uint8_t circuitNumber, const Bytes& t) {
  CircuitState& circuit = model.circuits[circuitIndex(circuitNumber)];
  const uint8_t p4 = t[4];
  const uint8_t p5 = t[5];
  ++model.commandsApplied;
  if (code >= 200 && code <= 204) {
    circuit.job1[place::kOperatingProgram] = static_cast<uint8_t>(code - 200);
  } else if (code == 205) {
    circuit.job1[place::kRoomSetpointNormal] = p4;
  } else if (code == 206) {
    circuit.job1[place::kRoomSetpointReduced] = p4;
  } else if (code == 207) {
    model.job0[place::kHotWaterSetpoint] = p4;
  } else if (code == 210) {
    circuit.job1[place::kSlope] = p4;
  } else if (code == 211) {
    circuit.job1[place::kLevel] = p4;
  } else if (code == 212 || code == 213) {
    model.clock = readLong(t, 4);
  } else if (code == 234) {
    model.job2Short[4] = p5;
    model.job2Short[5] = t[6];
  } else if (code == 242) {
    model.injection.maintenance = false;
  } else if (code == 239) {
    std::fill(model.historyB.begin(), model.historyB.end(), 0);
  } else if (code == 252) {
    model.job1[p4 == 1 ? 6 : 5] = p5;
  } else {
    --model.commandsApplied;
  }
}

}  // namespace

Bytes CTL_JobData(const PlantModel& model, uint8_t job, uint8_t circuitNumber, uint8_t part) {
  const CircuitState& circuit = model.circuits[circuitIndex(circuitNumber)];
  Bytes data(kDataSize);
  switch (job) {
    case 0:
      put(data, 0, model.job0);
      put(data, 24, circuit.job0.data(), circuit.job0.size());
      break;
    case 1:
      put(data, 0, circuit.job1.data(), circuit.job1.size());
      put(data, 20, model.job1);
      break;
    case 2: {
      put(data, 0, circuit.job2.data(), circuit.job2.size());
      Bytes shortBlock = model.job2Short;
      for (size_t i = 0; i < 4; ++i) shortBlock[6 + i] = static_cast<uint8_t>(model.clock >> (8 * i));
      put(data, 5, shortBlock);
      put(data, 15, model.job2Long);
      break;
    }
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
      for (int p = 0; p < 3; ++p)
        for (int k = 0; k < 4; ++k)
          for (int e = 0; e < 2; ++e) data[p * 8 + k * 2 + e] = encodeTime(circuit.times[p][job - 3][k][e]);
      break;
    case 10:
      put(data, 0, model.config);
      break;
    case 13:
    case 14:
      put(data, 0, model.job13);
      break;
    case 15:
      put(data, 0, model.job15);
      break;
    case 16:
      put(data, 0, model.job16);
      break;
    case 17:
      put(data, 0, model.job17);
      break;
    case 18:
      put(data, 0, model.job18);
      break;
    case 24:
      put(data, 0, model.job24);
      break;
    case 26:
      put(data, 0, model.job26);
      break;
    case 22:
    case 23: {
      const Bytes& history = job == 22 ? model.historyA : model.historyB;
      const size_t at = std::min<size_t>(part, 4) * 22;
      data[0] = std::min<uint8_t>(part, 4);
      put(data, 1, history.data() + at, 22);
      break;
    }
    case 25:
      return nameData(circuit, part);
    default:
      break;
  }
  return data;
}

Bytes CTL_Answer(PlantModel& model, const Bytes& telegram) {
  if (telegram.size() < 9) return {};
  const uint8_t jobAndSequence = telegram[1];
  const uint8_t job = jobAndSequence >> 3;
  const uint8_t circuit = telegram[2];
  uint8_t part = telegram[4];
  if (telegram[0] == kWriteMarker && telegram.size() >= 30) {
    applyNameTelegram(model, telegram);
    part = 1;
  } else if (telegram[0] != 20) {
    return {};
  } else if (telegram[3] == kIdentification) {
    model.lastResetReason = telegram[6];
    model.injection.dailyRestart = false;
    model.injection.resetRequest = false;
  } else if (telegram[3] != kDataRequest) {
    applyCommand(model, telegram[3], circuit, telegram);
  }
  Bytes answer{jobAndSequence, circuit};
  const Bytes data = CTL_JobData(model, job, circuit, part);
  answer.insert(answer.end(), data.begin(), data.end());
  return answer;
}

}  // namespace simctl
