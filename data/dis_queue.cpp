#include "data/dis_queue.h"

namespace {

uint8_t telegram[kDisTelegramSize];
uint8_t slots[kDisQueueSlots][kDisSlotSize];
uint8_t writeIndex;
uint8_t readIndex;
uint8_t count;

uint8_t advance(uint8_t index) { return static_cast<uint8_t>((index + 1) % kDisQueueSlots); }

}  // namespace

uint8_t* DIS_TelegramBuffer() { return telegram; }
uint8_t DIS_TelegramSequence() { return DIS_SequenceOf(telegram[1]); }

void DIS_ClearQueue() {
  writeIndex = 0;
  readIndex = 0;
  count = 0;
}

bool DIS_QueuePush(const uint8_t* bytes, uint8_t size) {
  if (count >= kDisQueueSlots) return false;
  uint8_t* slot = slots[writeIndex];
  for (uint8_t i = 0; i < kDisSlotSize; ++i) slot[i] = i < size ? bytes[i] : 0;
  writeIndex = advance(writeIndex);
  ++count;
  return true;
}

uint8_t DIS_QueueCount() { return count; }
const uint8_t* DIS_QueueFront() { return slots[readIndex]; }

void DIS_QueuePop() {
  if (count == 0) return;
  readIndex = advance(readIndex);
  --count;
}
