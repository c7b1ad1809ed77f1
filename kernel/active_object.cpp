#include "kernel/active_object.h"

#include "platform/interrupt.h"

namespace {

constexpr uint8_t kQueueCapacity = 16;
constexpr uint8_t kNoBit = 0xFF;

struct ActiveObject {
  Hsm hsm;
  Event slots[kQueueCapacity];
  uint8_t writeIndex;
  uint8_t readIndex;
  uint8_t fill;
  uint8_t highWater;
};

ActiveObject objects[kActiveObjectCount];
uint8_t ready = 0;

// Highest set bit of every byte value; kNoBit for 0.
constexpr struct HighestBitTable {
  uint8_t bit[256];
  constexpr HighestBitTable() : bit{} {
    bit[0] = kNoBit;
    for (int v = 1; v < 256; ++v) {
      uint8_t b = 0;
      for (int i = 0; i < 8; ++i)
        if (v & (1 << i)) b = static_cast<uint8_t>(i);
      bit[v] = b;
    }
  }
} kHighestBit;

uint8_t advance(uint8_t index) { return index + 1 == kQueueCapacity ? 0 : static_cast<uint8_t>(index + 1); }

}  // namespace

void AO_Init(AoNumber n) {
  ActiveObject& ao = objects[n];
  HSM_Ctor(&ao.hsm);
  ao.writeIndex = 0;
  ao.readIndex = 0;
  ao.fill = 0;
  ao.highWater = 0;
}

void AO_ClearReady() { ready = 0; }

void AO_Start(AoNumber n, StateHandler first, uint32_t par) { HSM_InitTran(&objects[n].hsm, first, par); }

bool AO_Post(AoNumber n, Signal sig, uint32_t par) {
  if (n >= kActiveObjectCount) return false;  // no such object: dropped like a full queue
  ActiveObject& ao = objects[n];
  bool queued = false;
  __disable_interrupt();
  if (ao.fill < kQueueCapacity) {
    ao.slots[ao.writeIndex] = Event{sig, par};
    ao.writeIndex = advance(ao.writeIndex);
    ++ao.fill;
    if (ao.fill == 1) ready = static_cast<uint8_t>(ready | (1u << n));
    if (ao.fill > ao.highWater) ao.highWater = ao.fill;
    queued = true;
  }
  __enable_interrupt();
  return queued;
}

void AO_Purge(AoNumber n, Signal sig) { AO_PurgeRange(n, sig, sig); }

void AO_PurgeRange(AoNumber n, Signal lo, Signal hi) {
  if (n >= kActiveObjectCount) return;
  ActiveObject& ao = objects[n];
  __disable_interrupt();
  uint8_t index = ao.readIndex;
  for (uint8_t i = 0; i < ao.fill; ++i) {
    Event& e = ao.slots[index];
    if (e.sig >= lo && e.sig <= hi) e.sig = SIG_NONE;
    index = advance(index);
  }
  __enable_interrupt();
}

void AO_Run() {
  for (;;) {
    __disable_interrupt();
    const uint8_t n = kHighestBit.bit[ready];
    if (n == kNoBit) {
      __enable_interrupt();
      return;
    }
    ActiveObject& ao = objects[n];
    const Event e = ao.slots[ao.readIndex];
    ao.readIndex = advance(ao.readIndex);
    --ao.fill;
    if (ao.fill == 0) ready = static_cast<uint8_t>(ready & ~(1u << n));
    __enable_interrupt();
    HSM_Dispatch(&ao.hsm, &e);
  }
}

Hsm* AO_GetHsm(AoNumber n) { return &objects[n].hsm; }

StateHandler AO_GetState(AoNumber n) { return objects[n].hsm.state; }

uint8_t AO_GetMaxFill(AoNumber n) { return objects[n].highWater; }

uint8_t AO_GetQueueSize(AoNumber /*n*/) { return kQueueCapacity; }

uint8_t AO_GetFill(AoNumber n) { return objects[n].fill; }
