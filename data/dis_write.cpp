#include "data/dis_write.h"

#include "data/data_fields.h"
#include "data/dis_jobs.h"
#include "data/dis_queue.h"
#include "kernel/active_object.h"

namespace {

struct CommandRange {
  uint8_t first;
  uint8_t last;
  uint8_t job;
};

// 214 and 251 name no job of their own; their answer is the general
// job 15 block.
constexpr CommandRange kCommands[] = {
    {200, 211, 1},  {212, 213, 2},  {214, 214, 15}, {215, 221, 1},  {222, 222, 13}, {223, 227, 0},
    {228, 228, 14}, {230, 230, 14}, {232, 232, 0},  {234, 234, 15}, {235, 235, 0},  {237, 238, 1},
    {239, 239, 12}, {240, 240, 10}, {242, 242, 0},  {243, 244, 16}, {245, 245, 15}, {246, 246, 16},
    {247, 248, 15}, {249, 249, 1},  {250, 250, 2},  {251, 251, 15}, {252, 252, 1},
};

constexpr uint8_t kCommandSettings = 229;
constexpr uint8_t kTimeCommand = 212;
constexpr uint8_t kDateCommand = 213;
constexpr uint8_t kNameJob = 25;
constexpr uint8_t kNameFirstPart = 2;
constexpr uint8_t kNamePartLength = 10;
constexpr uint8_t kNameLanguageAt = 29;

bool settingsCommandForCircuits(uint8_t code, uint8_t firstParam) {
  return code == kCommandSettings && (firstParam == 1 || firstParam == 2);
}

bool queueNamePart(uint8_t circuit, uint8_t part, const uint16_t* units, uint8_t count) {
  uint8_t slot[kDisSlotSize] = {};
  slot[0] = kDisWriteSlotMarker;
  slot[1] = DIS_JobAndSequence(kNameJob, DIS_TelegramSequence());
  slot[2] = circuit;
  slot[3] = part;
  slot[4] = count;
  for (uint8_t i = 0; i < count; ++i) {
    slot[5 + 2 * i] = static_cast<uint8_t>(units[i] & 0xFF);
    slot[6 + 2 * i] = static_cast<uint8_t>(units[i] >> 8);
  }
  slot[kNameLanguageAt] = DAT_GetLanguage();
  return DIS_QueueTelegram(slot, kDisSlotSize);
}

}  // namespace

uint8_t DIS_CommandJob(uint8_t code, uint8_t firstParam) {
  if (code == kCommandSettings) return settingsCommandForCircuits(code, firstParam) ? 1 : 17;
  for (const CommandRange& range : kCommands)
    if (code >= range.first && code <= range.last) return range.job;
  return kDisNoJob;
}

bool DIS_SendCommand(uint8_t code, const uint8_t* params, uint8_t count) {
  const uint8_t firstParam = count > 0 ? params[0] : 0;
  const uint8_t job = DIS_CommandJob(code, firstParam);
  if (job == kDisNoJob) return false;
  const uint8_t circuit = static_cast<uint8_t>(DAT_Get(df::CurrentCircuit));
  const uint8_t used = count < kDisMaxCommandParams ? count : kDisMaxCommandParams;
  if (!DIS_QueueJob(job, circuit, code, params, used)) return false;
  if (settingsCommandForCircuits(code, firstParam)) AO_Post(AO_DIS, SIG_DIS_SEND_NOW, 0);
  return true;
}

bool DIS_SendCommandValue(uint8_t code, uint8_t value) { return DIS_SendCommand(code, &value, 1); }

bool DIS_SendClock(uint8_t code, uint32_t seconds) {
  if (code != kTimeCommand && code != kDateCommand) return false;
  const uint8_t bytes[4] = {static_cast<uint8_t>(seconds), static_cast<uint8_t>(seconds >> 8),
                            static_cast<uint8_t>(seconds >> 16), static_cast<uint8_t>(seconds >> 24)};
  AO_Post(AO_DTM, SIG_DTM_SET_CLOCK, seconds);
  const bool queued = DIS_SendCommand(code, bytes, sizeof bytes);
  DIS_Request(15);
  return queued;
}

bool DIS_SendCircuitName(uint8_t circuit, const uint16_t* units, uint8_t count) {
  if (circuit != 1 && circuit != 2) return false;
  if (count > kCircuitNameLength) count = kCircuitNameLength;
  const uint8_t language = DAT_GetLanguage();
  DAT_SetCircuitName(circuit, units, count, language);
  const uint8_t first = count < kNamePartLength ? count : kNamePartLength;
  const bool queued = queueNamePart(circuit, kNameFirstPart, units, first);
  return queueNamePart(circuit, kNameFirstPart + 1, units + first, static_cast<uint8_t>(count - first)) &&
         queued;
}
