// Time of the graphics layer: delays through the host's sleep.
#include <algorithm>

#include "gui/core/gui.h"
#include "platform/host_services.h"

namespace {

constexpr uint32_t kMaxSleepMs = 5;
GUI_IdleHook IdleHook = nullptr;

}  // namespace

uint32_t GUI_Milliseconds() { return HOST().milliseconds(); }

void GUI_SetIdleHook(GUI_IdleHook hook) { IdleHook = hook; }

void GUI_Wait(uint32_t ms) {
  const uint32_t end = GUI_Milliseconds() + ms;
  for (;;) {
    const int32_t remaining = static_cast<int32_t>(end - GUI_Milliseconds());
    if (remaining < 1) return;
    if (IdleHook != nullptr) {
      while (IdleHook()) {
      }
    }
    HOST().delayMs(std::min(static_cast<uint32_t>(remaining), kMaxSleepMs));
    // A host that stops the firmware ends its delays early; time may not move any more.
    if (HOST().stopRequested()) return;
  }
}
