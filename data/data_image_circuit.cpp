// Circuit selection: the per-circuit fields read a copy of the current
// circuit's record, which every change writes back.
#include <cstring>

#include "data/data_image.h"
#include "data/data_image_store.h"
#include "kernel/active_object.h"
#include "kernel/signals.h"

namespace {

uint8_t* statusGroup(uint8_t circuit) {
  return DAT_Image().status + kStatusRecordSize - kCircuitCount * kCircuitStatusSize +
         (circuit - 1) * kCircuitStatusSize;
}

uint32_t secondsAt(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

void DAT_SelectCircuit(uint8_t circuit) {
  if (circuit >= kCircuitCount) {
    AO_Post(AO_BED, SIG_BED_ERROR_RESET, kResetCircuitSelect);
    return;
  }
  if (circuit == 0) return;
  DataImage& d = DAT_Image();
  const uint8_t current = d.local[kLocalCurrentCircuit];
  if (current != circuit && current != 0) return;
  std::memcpy(d.currentCircuitRecord, d.circuitRecords[circuit - 1], kCircuitRecordSize);
  std::memcpy(d.currentCircuitStatus, statusGroup(circuit), kCircuitStatusSize);
  CAL_SecondsToRecord(secondsAt(d.currentCircuitRecord + kRecordDate1Offset), &d.circuitDates[0]);
  CAL_SecondsToRecord(secondsAt(d.currentCircuitRecord + kRecordDate2Offset), &d.circuitDates[1]);
}

void DAT_ChangeCircuit(uint8_t circuit) {
  if (circuit == 0 || circuit >= kCircuitCount) return;
  DAT_Image().local[kLocalCurrentCircuit] = circuit;
  DAT_SelectCircuit(circuit);
}

uint8_t DAT_GetCurrentCircuit() { return DAT_Image().local[kLocalCurrentCircuit]; }

void DAT_WriteBackCircuit() {
  DataImage& d = DAT_Image();
  const uint8_t current = d.local[kLocalCurrentCircuit];
  if (current >= kCircuitCount) {
    AO_Post(AO_BED, SIG_BED_ERROR_RESET, kResetCircuitWriteBack);
    return;
  }
  if (current == 0) return;
  std::memcpy(d.circuitRecords[current - 1], d.currentCircuitRecord, kCircuitRecordSize);
  std::memcpy(statusGroup(current), d.currentCircuitStatus, kCircuitStatusSize);
}

const DateTime* DAT_CircuitDate(uint8_t index) { return &DAT_Image().circuitDates[index < 2 ? index : 1]; }
