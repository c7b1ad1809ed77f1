#include "data/dis_objects.h"

namespace {

uint8_t answerBuffer[kDisAnswerSize];
uint8_t requestBuffer[kDisRequestSize];
uint8_t maskBuffer[kDisMaskSize];
uint8_t statusBuffer[kDisStatusSize];
uint8_t writeBuffer[kDisWriteSize];

constexpr uint8_t kFlagsPlain = 0x10;
constexpr uint8_t kFlagsRead = 0x89;
constexpr uint8_t kFlagsType2 = 0x8A;
constexpr uint8_t kSmallWriteSize = 4;

// One row per run of ids that share a buffer.
struct ObjectRange {
  uint8_t firstId;
  uint8_t lastId;
  uint8_t* buffer;
  uint8_t size;
  uint8_t flags;
  DisCommit commit;
};

const ObjectRange kObjects[] = {
    {16, 19, answerBuffer, kDisAnswerSize, kFlagsPlain, DisCommit::Answer},
    {20, 20, requestBuffer, kDisRequestSize, kFlagsRead, DisCommit::None},
    {21, 23, requestBuffer, kDisRequestSize, kFlagsType2, DisCommit::None},
    {24, 27, maskBuffer, kDisMaskSize, kFlagsPlain, DisCommit::None},
    {28, 28, statusBuffer, kDisStatusSize, kFlagsPlain, DisCommit::Status},
    {29, 31, statusBuffer, kDisStatusShortSize, kFlagsPlain, DisCommit::Status},
    {32, 34, writeBuffer, kSmallWriteSize, kFlagsPlain, DisCommit::None},
    {35, 35, writeBuffer, kDisWriteSize, kFlagsRead, DisCommit::None},
};

void clear(uint8_t* buffer, uint8_t size) {
  for (uint8_t i = 0; i < size; ++i) buffer[i] = 0;
}

}  // namespace

bool DIS_FindObject(uint8_t id, DisObject* object) {
  for (const ObjectRange& range : kObjects) {
    if (id < range.firstId || id > range.lastId) continue;
    *object = DisObject{range.buffer, range.size, range.flags, range.commit};
    return true;
  }
  return false;
}

uint8_t DIS_ObjectType(const DisObject& object) { return object.flags & 0x07; }

uint8_t* DIS_AnswerBuffer() { return answerBuffer; }
uint8_t* DIS_RequestBuffer() { return requestBuffer; }
uint8_t* DIS_MaskBuffer() { return maskBuffer; }
uint8_t* DIS_StatusBuffer() { return statusBuffer; }
uint8_t* DIS_WriteBuffer() { return writeBuffer; }

void DIS_ClearObjects() {
  clear(answerBuffer, kDisAnswerSize);
  clear(requestBuffer, kDisRequestSize);
  clear(maskBuffer, kDisMaskSize);
  clear(statusBuffer, kDisStatusSize);
  clear(writeBuffer, kDisWriteSize);
}
