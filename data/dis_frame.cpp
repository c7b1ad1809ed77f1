#include "data/dis_frame.h"

#include "data/dis_objects.h"
#include "kernel/timer_task.h"
#include "platform/interrupt.h"

namespace {

struct Reception {
  // Wider than the frame's own byte counter: with L = 255 the checksum is
  // byte 256 and must not wrap round to a new length byte.
  uint16_t byteIndex;
  uint8_t length;
  uint8_t objectId;
  bool hasTarget;
  DisObject target;
  uint8_t position;
  uint8_t checksum;
};

struct Transmission {
  const uint8_t* prepared;
  uint8_t preparedLength;
  uint8_t retries;
  const uint8_t* sending;
  uint8_t sendingLength;
  bool sendingPrepared;
  uint16_t position;
  uint8_t checksum;
};

constexpr uint8_t kTransmitRetries = 8;
constexpr uint8_t kLastTelegramRead = 0x3F;
constexpr uint8_t kLastIdentityRead = 0x7F;
constexpr uint8_t kIdentity[] = {0x11, 0x21, 0x00, 0x03};

Reception rx;
Transmission tx;
uint8_t flags;
bool linkActive;
uint32_t lastFrameTime;
// The tick count is read through the interrupt-routine frame, which the bus
// routine already holds: the routine only counts frame ends, and the
// application thread turns a new count into the time of the last frame.
uint32_t frameEnds;
uint32_t frameEndsSeen;
uint8_t errorCount;

void busSignal() {}

void startObject(uint8_t id) {
  rx.objectId = id;
  rx.checksum = id;
  rx.position = 0;
  rx.hasTarget = DIS_FindObject(id, &rx.target);
  if (!rx.hasTarget) return;
  for (uint8_t i = 0; i < rx.target.size; ++i) rx.target.buffer[i] = 0;
}

void storeData(uint8_t byte) {
  rx.checksum = static_cast<uint8_t>(rx.checksum + byte);
  if (!rx.hasTarget || rx.position >= rx.target.size) return;
  rx.target.buffer[rx.position++] = byte;
}

bool checkAndCommit(uint8_t byte) {
  if (byte != rx.checksum) return false;
  if (!rx.hasTarget) return true;
  if (rx.target.commit == DisCommit::Answer) flags |= kDisFlagAnswer;
  if (rx.target.commit == DisCommit::Status) flags |= kDisFlagStatus;
  return true;
}

void startSending(const uint8_t* data, uint8_t length, bool prepared) {
  tx.sending = data;
  tx.sendingLength = length;
  tx.sendingPrepared = prepared;
  tx.position = 0;
  tx.checksum = length;
}

void chooseReadAnswer(uint8_t request) {
  if (request <= kLastTelegramRead) {
    startSending(tx.prepared, tx.preparedLength, true);
  } else if (request <= kLastIdentityRead) {
    startSending(kIdentity, sizeof kIdentity, false);
  } else {
    startSending(nullptr, 0, false);
  }
}

}  // namespace

bool DIS_ByteReceived(uint8_t byte) {
  const uint16_t index = rx.byteIndex;
  if (rx.byteIndex < UINT16_MAX) ++rx.byteIndex;
  if (index == 0) {
    rx.length = byte;
    rx.hasTarget = false;
    rx.checksum = 0;
    return true;
  }
  const uint16_t checksumIndex = static_cast<uint16_t>(rx.length + 1);
  if (index == checksumIndex) return checkAndCommit(byte);
  if (index > checksumIndex) return false;
  if (index == 1) {
    startObject(byte);
  } else {
    storeData(byte);
  }
  return true;
}

uint8_t DIS_ByteToTransmit() {
  const uint16_t position = tx.position;
  if (tx.position < UINT16_MAX) ++tx.position;
  if (position == 0) return tx.sendingLength;
  if (position <= tx.sendingLength) {
    const uint8_t byte = tx.sending[position - 1];
    tx.checksum = static_cast<uint8_t>(tx.checksum + byte);
    return byte;
  }
  if (position == tx.sendingLength + 1) return tx.checksum;
  return 0;
}

bool DIS_MoreToTransmit() { return tx.position <= tx.sendingLength + 1; }

void DIS_FrameEnd(uint8_t kind) {
  if (kind == kDisFrameEndRead) chooseReadAnswer(rx.byteIndex > 0 ? rx.length : 0);
  rx.byteIndex = 0;
  ++frameEnds;
  errorCount = 0;
  linkActive = true;
}

void DIS_TransmitFinished(bool acknowledged) {
  if (!acknowledged) {
    if (tx.retries == 0) return;
    --tx.retries;
    busSignal();
    return;
  }
  // Only a read of the prepared object consumes it; the identity read
  // in between must not lose a telegram that is still waiting.
  if (tx.sendingPrepared && tx.sendingLength > 0) tx.preparedLength = 0;
}

void DIS_PrepareTransmit(uint8_t objectId) {
  DisObject object{};
  if (!DIS_FindObject(objectId, &object) || DIS_ObjectType(object) != 1) return;
  tx.prepared = object.buffer;
  tx.preparedLength = object.size;
  tx.retries = kTransmitRetries;
  busSignal();
}

bool DIS_TransmitPending() { return tx.preparedLength > 0; }

void DIS_ResetFrameState() {
  rx = Reception{};
  tx = Transmission{};
}

uint8_t DIS_GetFlags() { return flags; }

void DIS_ClearFlags(uint8_t bits) {
  __disable_interrupt();
  flags = static_cast<uint8_t>(flags & ~bits);
  __enable_interrupt();
}

bool DIS_IsLinkActive() { return linkActive; }
void DIS_SetLinkActive(bool active) { linkActive = active; }
uint32_t DIS_GetLastFrameTime() {
  __disable_interrupt();
  const uint32_t ends = frameEnds;
  __enable_interrupt();
  if (ends != frameEndsSeen) {
    frameEndsSeen = ends;
    lastFrameTime = DTM_GetTicks100ms();
  }
  return lastFrameTime;
}

void DIS_TouchLastFrameTime() {
  __disable_interrupt();
  frameEndsSeen = frameEnds;
  __enable_interrupt();
  lastFrameTime = DTM_GetTicks100ms();
}
uint8_t DIS_GetErrorCount() { return errorCount; }
void DIS_CountLinkError() { ++errorCount; }

void DIS_ResetFrameCounters() {
  flags = 0;
  linkActive = false;
  errorCount = 0;
}

void DIS_BusEnable() {}
void DIS_BusDisable() {}
void DIS_BusReset() {}
