#include "kernel/key_task.h"

#include "kernel/active_object.h"
#include "kernel/key_codes.h"
#include "platform/interrupt.h"
#include "platform/key_port.h"

namespace {

constexpr uint16_t kRepeatDelayTicks = 80;  // 800 ms until the first repeat
constexpr uint16_t kLongPressTicks = 400;   // 4 s
constexpr uint16_t kRepeatTicks = 40;       // 400 ms between repeats
constexpr uint16_t kFastRepeatTicks = 10;   // 100 ms
constexpr uint8_t kAliveReload = 10;
constexpr uint8_t kScanRowSelect = 1;

// Scan state, owned by the 20 ms routine.
uint8_t samples[2];
uint8_t phase;
uint8_t row;
uint8_t scannedKey = KEY_CODE_NONE;
uint8_t aliveDivider;

// Task state, owned by the key task.
uint8_t currentKey = KEY_CODE_NONE;
uint16_t repeatCount;
uint8_t repeatFactor = 255;
uint8_t acceleration;

void setKeyTimer(uint16_t ticks) { AO_Post(AO_DTM, SIG_TIMER_K_SET, ticks); }

void pressStep() {
  AO_Post(AO_BED, SIG_KEY_ANY, repeatCount);
  AO_Post(AO_BED, kKeyTable[currentKey].press, repeatCount);
}

void behaviourStep(Hsm* me) {
  switch (kKeyTable[currentKey].behaviour) {
    case KEY_REPEAT:
      HSM_Tran(me, &TAS_Task, &TAS_RepeatDelay);
      break;
    case KEY_LONG:
      HSM_Tran(me, &TAS_Task, &TAS_LongDelay);
      break;
    default:
      break;
  }
}

uint16_t nextRepeatInterval() {
  const auto product = static_cast<uint16_t>(repeatFactor * acceleration);
  acceleration = static_cast<uint8_t>(product / 255);
  const uint32_t t = uint32_t{product} * kRepeatTicks / 65025u;
  return t < kFastRepeatTicks ? kFastRepeatTicks : static_cast<uint16_t>(t);
}

void resetTask() {
  phase = 0;
  row = 0;
  currentKey = KEY_CODE_NONE;
  scannedKey = KEY_CODE_NONE;
  acceleration = 255;
  repeatFactor = 255;
  repeatCount = 0;
  aliveDivider = kAliveReload;
}

}  // namespace

StateResult TAS_Task(Hsm* me, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      resetTask();
      KEY_Init();
      return nullptr;
    case SIG_INIT:
      HSM_InitTran(me, &TAS_Idle);
      return nullptr;
    case SIG_EXIT:
    case SIG_TAS_8:
      return nullptr;
    case SIG_TAS_ACCEL:
      repeatFactor = static_cast<uint8_t>(255 - (e->par & 0xFF));
      return nullptr;
    case SIG_TAS_FLUSH:
      AO_PurgeRange(AO_BED, SIG_KEY_FIRST_FLUSHED, SIG_KEY_LAST_FLUSHED);
      return nullptr;
    case SIG_TAS_DOWN:
      currentKey = static_cast<uint8_t>(e->par);
      HSM_Tran(me, &TAS_Task, &TAS_Pressed);
      return nullptr;
    case SIG_TAS_UP:
      setKeyTimer(0);
      repeatCount = 0;
      AO_Post(AO_BED, SIG_KEY_RELEASE_ANY, 0);
      if (e->par < KEY_CODE_COUNT) AO_Post(AO_BED, kKeyTable[e->par].release, 0);
      currentKey = KEY_CODE_NONE;
      HSM_Tran(me, &TAS_Task, &TAS_Idle);
      return nullptr;
    default:
      return &HSM_Top;
  }
}

StateResult TAS_Idle(Hsm* /*me*/, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    default:
      return &TAS_Task;
  }
}

StateResult TAS_Pressed(Hsm* me, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      if (currentKey >= KEY_CODE_COUNT) return nullptr;
      if (kKeyTable[currentKey].pressDelay == 0) {
        pressStep();
        behaviourStep(me);
      } else {
        setKeyTimer(kKeyTable[currentKey].pressDelay);
      }
      return nullptr;
    case SIG_TIMER_K_TIMEOUT:
      pressStep();
      behaviourStep(me);
      return nullptr;
    default:
      return &TAS_Task;
  }
}

StateResult TAS_RepeatDelay(Hsm* me, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      setKeyTimer(kRepeatDelayTicks);
      return nullptr;
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    case SIG_TIMER_K_TIMEOUT:
      ++repeatCount;
      pressStep();
      HSM_Tran(me, &TAS_Task, &TAS_Repeat);
      return nullptr;
    default:
      return &TAS_Task;
  }
}

StateResult TAS_LongDelay(Hsm* /*me*/, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      setKeyTimer(kLongPressTicks);
      return nullptr;
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    case SIG_TIMER_K_TIMEOUT:
      ++repeatCount;
      AO_Post(AO_BED, kKeyTable[currentKey].longPress, repeatCount);
      return nullptr;
    default:
      return &TAS_Task;
  }
}

StateResult TAS_Repeat(Hsm* me, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      acceleration = 255;
      setKeyTimer(kRepeatTicks);
      return nullptr;
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    case SIG_TIMER_K_TIMEOUT: {
      ++repeatCount;
      pressStep();
      const uint16_t t = nextRepeatInterval();
      setKeyTimer(t);
      if (t == kFastRepeatTicks) HSM_Tran(me, &TAS_Task, &TAS_FastRepeat);
      return nullptr;
    }
    default:
      return &TAS_Task;
  }
}

StateResult TAS_FastRepeat(Hsm* /*me*/, const Event* e) {
  switch (e->sig) {
    case SIG_ENTRY:
      AO_Post(AO_BED, SIG_KEY_FAST, 10);
      return nullptr;
    case SIG_INIT:
    case SIG_EXIT:
      return nullptr;
    case SIG_TIMER_K_TIMEOUT:
      ++repeatCount;
      pressStep();
      setKeyTimer(kFastRepeatTicks);
      return nullptr;
    default:
      return &TAS_Task;
  }
}

void TAS_KeyScan() {
  __enable_interrupt();
  samples[phase] = KEY_ReadPort();
  row = 0;  // one row only: the row counter wraps at once
  phase ^= 1;
  if (samples[0] == samples[1]) {
    const uint8_t code = TAS_DecodePort(samples[0]);
    if (code != KEY_CODE_INVALID && code != scannedKey) {
      if (code == KEY_CODE_NONE) {
        AO_Post(AO_TAS, SIG_TAS_UP, scannedKey);
        scannedKey = KEY_CODE_NONE;
      } else if (scannedKey < KEY_CODE_FIRST_COMBINATION || scannedKey > KEY_CODE_LAST_COMBINATION) {
        AO_Post(AO_TAS, SIG_TAS_DOWN, code);
        scannedKey = code;
      }
    }
  }
  KEY_WriteSelect(kScanRowSelect);
  if (--aliveDivider == 0) {
    aliveDivider = kAliveReload;
    AO_Post(AO_BED, SIG_ALIVE_20MS, 0);
  }
  __disable_interrupt();
}

void TAS_ProcessReset() {
  samples[0] = samples[1] = 0;
  resetTask();
}
