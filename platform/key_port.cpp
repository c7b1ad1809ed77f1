#include "platform/key_port.h"

#include <mutex>

#include "data/data_fields.h"
#include "kernel/active_object.h"
#include "kernel/key_codes.h"
#include "platform/host_services.h"
#include "platform/interrupt.h"

namespace {

// The keyboard lock guards the port and the select value between the host
// window thread and the 20 ms key scan. A single-threaded host needs none.
std::mutex keyboardLock;
uint8_t portValue = 0;
uint8_t selectValue = 0;

constexpr uint8_t kHardkeyToKeyCode[] = {3, 0, 5, 1, 6, 2, 7, 4, 8, 9, 10, 11, 12};

template <typename F>
void withKeyboardLock(F&& f) {
  if (HOST().singleThreaded()) {
    f();
    return;
  }
  std::lock_guard<std::mutex> guard(keyboardLock);
  f();
}

void setStatusBitAndNotify(DatField bit, bool on) {
  DAT_Set(bit, on ? 1 : 0);
  AO_Post(AO_BED, SIG_DATA_STATUS, 0);
}

void runSpecialKey(uint8_t hardkey) {
  switch (hardkey) {
    case 13:
      AO_Post(AO_BED, SIG_3UHR_RESTART, 0);
      break;
    case 14:
      AO_Post(AO_BED, SIG_REG_RESET, 0);
      break;
    case 15:
    case 16:
      setStatusBitAndNotify(df::BurnerParametrisation, hardkey == 15);
      break;
    case 17:
    case 18:
      setStatusBitAndNotify(df::Calibration, hardkey == 17);
      break;
    case 31:
      AO_Post(AO_BED, SIG_KEY12_PRESS, 0);
      break;
    case 32:
      AO_Post(AO_BED, SIG_KEY10_PRESS, 0);
      break;
    case 33:
      AO_Post(AO_BED, SIG_DATA_218, 0);
      break;
    default:
      break;
  }
}

}  // namespace

void KEY_Init() { HOST().setHardkeyCallback(&KEY_HardkeyChanged); }

uint8_t KEY_HardkeyToKeyCode(uint8_t hardkey) {
  return hardkey < sizeof kHardkeyToKeyCode ? kHardkeyToKeyCode[hardkey] : KEY_CODE_NONE;
}

void KEY_HardkeyChanged(uint8_t hardkey, bool pressed) {
  if (hardkey < sizeof kHardkeyToKeyCode) {
    const uint8_t pattern = pressed ? TAS_PortPattern(kHardkeyToKeyCode[hardkey]) : 0;
    withKeyboardLock([pattern] { portValue = pattern; });
    return;
  }
  if (!pressed) return;
  // Special keys behave like an interrupt routine that does longer work.
  IRQ_EnterRoutine();
  __enable_interrupt();
  runSpecialKey(hardkey);
  __disable_interrupt();
  IRQ_LeaveRoutine();
}

uint8_t KEY_ReadPort() {
  uint8_t value = 0;
  withKeyboardLock([&value] { value = (selectValue & 1) ? portValue : 0; });
  return value;
}

void KEY_WriteSelect(uint8_t select) {
  withKeyboardLock([select] { selectValue = select; });
}

void KEY_ProcessReset() {
  portValue = 0;
  selectValue = 0;
}
