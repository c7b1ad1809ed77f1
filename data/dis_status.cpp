#include "data/dis_status.h"

#include "data/data_fields.h"
#include "data/dis_frame.h"
#include "data/dis_objects.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"

namespace {

constexpr uint16_t kFaultBit = 1u << 1;
constexpr uint16_t kEventBit = 1u << 3;
constexpr uint16_t kDailyRestartBit = 1u << 13;
constexpr uint16_t kMaintenanceBit = 1u << 14;
constexpr uint16_t kResetRequestBit = 1u << 15;
constexpr uint8_t kByte7EventBit = 1u << 5;
constexpr uint8_t kCircuitGroupsAt = 8;

bool newlySet(uint32_t now, uint32_t before, uint32_t bit) { return (now & bit) != 0 && (before & bit) == 0; }
bool newlyCleared(uint32_t now, uint32_t before, uint32_t bit) {
  return (now & bit) == 0 && (before & bit) != 0;
}

// A message flag follows its indication: set on the rising edge unless a
// local acknowledgement suppresses it, cleared on the falling edge.
void followIndication(DatField flag, DatField suppress, uint16_t now, uint16_t before, uint16_t bit) {
  if (newlySet(now, before, bit) && DAT_Get(suppress) == 0) DAT_Set(flag, 1);
  if (newlyCleared(now, before, bit)) DAT_Set(flag, 0);
}

void postEdges(uint16_t word, uint16_t previousWord, uint8_t byte7, uint8_t previousByte7) {
  if (word & kDailyRestartBit) AO_Post(AO_BED, SIG_3UHR_RESTART, 0);
  if (word & kResetRequestBit) AO_Post(AO_BED, SIG_REG_RESET, 0);
  if (newlySet(word, previousWord, kEventBit)) AO_Post(AO_BED, SIG_DATA_198, 0);
  followIndication(df::FaultMessage, df::FaultSuppress, word, previousWord, kFaultBit);
  followIndication(df::MaintenanceMessage, df::MaintenanceSuppress, word, previousWord, kMaintenanceBit);
  if (DAT_Get(df::EventSuppress) != 0) return;
  if (newlySet(byte7, previousByte7, kByte7EventBit)) AO_Post(AO_BED, SIG_DATA_154, 0);
  if (newlyCleared(byte7, previousByte7, kByte7EventBit)) AO_Post(AO_BED, SIG_DATA_155, 0);
}

void copyCurrentCircuitGroup() {
  const uint8_t circuit = static_cast<uint8_t>(DAT_Get(df::CurrentCircuit));
  if (circuit < 1 || circuit > kCircuitCount) return;
  const uint8_t* group = DAT_Block(DatBlock::Status) + kCircuitGroupsAt + (circuit - 1) * kCircuitStatusSize;
  uint8_t* current = DAT_Block(DatBlock::CurrentCircuitStatus);
  for (uint8_t i = 0; i < kCircuitStatusSize; ++i) current[i] = group[i];
}

// Locally acknowledged indications stay out of the stored status.
void applySuppression() {
  if (DAT_Get(df::FaultSuppress) != 0) {
    DAT_Set(df::FaultIndication, 0);
    DAT_Set(DAT_Bit(DatBlock::PreviousStatusWord, 0, 1), 0);
  }
  if (DAT_Get(df::MaintenanceSuppress) != 0) {
    DAT_Set(df::MaintenanceIndication, 0);
    DAT_Set(DAT_Bit(DatBlock::PreviousStatusWord, 1, 6), 0);
  }
  if (DAT_Get(df::EventSuppress) != 0) {
    DAT_Set(df::StatusEventBit, 0);
    DAT_Set(df::BurnerLockedOut, 0);
  }
}

}  // namespace

void DIS_ProcessStatusRecord() {
  uint8_t* status = DAT_Block(DatBlock::Status);
  __disable_interrupt();
  for (uint16_t i = 0; i < kStatusRecordSize; ++i) status[i] = DIS_StatusBuffer()[i];
  __enable_interrupt();

  const auto word = static_cast<uint16_t>(DAT_Get(df::StatusWord));
  const auto byte7 = static_cast<uint8_t>(DAT_Get(df::StatusByte7));
  postEdges(word, static_cast<uint16_t>(DAT_Get(df::PreviousStatusWord)), byte7,
            static_cast<uint8_t>(DAT_Get(df::PreviousStatusByte7)));
  DAT_Set(df::PreviousStatusWord, word);
  DAT_Set(df::PreviousStatusByte7, byte7);
  copyCurrentCircuitGroup();
  applySuppression();
  DIS_ClearFlags(kDisFlagStatus);
  AO_Post(AO_BED, SIG_DATA_STATUS, 0);
}
