// Telegram queue of the bus link: requests and write telegrams waiting for
// the controller to read them, and the telegram buffer they are built in.
#pragma once

#include <cstdint>

constexpr uint8_t kDisQueueSlots = 32;
constexpr uint8_t kDisSlotSize = 30;
constexpr uint8_t kDisTelegramSize = 13;
// First byte of a slot that holds a whole 30-byte telegram for object 35.
constexpr uint8_t kDisWriteSlotMarker = '#';

// Byte 3 of a telegram.
constexpr uint8_t kDisKindDataRequest = 231;
constexpr uint8_t kDisKindIdentification = 240;

constexpr uint8_t kDisSequenceMask = 0x07;
constexpr uint8_t DIS_JobOf(uint8_t jobAndSequence) { return jobAndSequence >> 3; }
constexpr uint8_t DIS_SequenceOf(uint8_t jobAndSequence) { return jobAndSequence & kDisSequenceMask; }
constexpr uint8_t DIS_JobAndSequence(uint8_t job, uint8_t sequence) {
  return static_cast<uint8_t>(job * 8 + (sequence & kDisSequenceMask));
}

// The 13-byte telegram being built.
uint8_t* DIS_TelegramBuffer();
uint8_t DIS_TelegramSequence();

void DIS_ClearQueue();
// Copies `size` bytes (at most a slot) into the next slot; the rest of the
// slot is cleared. False when all slots are taken.
bool DIS_QueuePush(const uint8_t* telegram, uint8_t size);
uint8_t DIS_QueueCount();
// Oldest slot; only valid while the count is not 0.
const uint8_t* DIS_QueueFront();
void DIS_QueuePop();
