#include "platform/cpu_timer.h"

#include <atomic>
#include <cstdio>

#include "kernel/key_task.h"
#include "kernel/timer_task.h"
#include "platform/interrupt.h"
#include "platform/trace.h"

namespace {

bool timersCreated = false;
// Read by the host timer threads, changed by the timer task.
std::atomic<int32_t> enableCounter[kTickSourceCount] = {};

constexpr const char* kTimerName[kTickSourceCount] = {"Timer1ms", "Timer10ms", "Timer20ms", "Timer100ms"};
constexpr const char* kEnableName[kTickSourceCount] = {"tim_enableTimer1ms", "tim_enableTimer10ms",
                                                       "tim_enableTimer20ms", "tim_enableTimer100ms"};
constexpr const char* kDisableName[kTickSourceCount] = {"tim_disableTimer1ms", "tim_disableTimer10ms",
                                                        "tim_disableTimer20ms", "tim_disableTimer100ms"};

void enable(TickSource source) {
  const auto i = static_cast<int>(source);
  const int32_t now = ++enableCounter[i];
  if (now != 1) TRC_Printf("\nFATAL ERROR: CPU_Timer %s() %d", kEnableName[i], now);
}

void disable(TickSource source) {
  const auto i = static_cast<int>(source);
  const int32_t old = enableCounter[i]--;
  if (old != 1) TRC_Printf("\nFATAL ERROR: CPU_Timer %s() %d", kDisableName[i], old - 1);
}

void runTickRoutine(TickSource source) {
  switch (source) {
    case TickSource::Tick1ms:
      DTM_Tick1ms(1);
      break;
    case TickSource::Tick10ms:
      DTM_Tick10ms();
      break;
    case TickSource::Tick20ms:
      TAS_KeyScan();
      break;
    case TickSource::Tick100ms:
      DTM_Tick100ms();
      break;
  }
}

}  // namespace

void tim_createTimers() {
  if (timersCreated) return;
  timersCreated = true;
  const uint8_t failed = HOST().startTickTimers(&tim_timerCallback);
  for (int i = 0; i < kTickSourceCount; ++i) {
    if ((failed & (1u << i)) == 0) continue;
    TRC_Printf("\nCPU_Timer: %s timeSetEvent() failed", kTimerName[i]);
    char text[64];
    snprintf(text, sizeof text, "CPU_Timer: %s timeSetEvent() failed", kTimerName[i]);
    HOST().messageBox(text, "Warning");
  }
}

void tim_enableTimer1ms() { enable(TickSource::Tick1ms); }
void tim_enableTimer10ms() { enable(TickSource::Tick10ms); }
void tim_enableTimer20ms() { enable(TickSource::Tick20ms); }
void tim_enableTimer100ms() { enable(TickSource::Tick100ms); }
void tim_disableTimer1ms() { disable(TickSource::Tick1ms); }
void tim_disableTimer10ms() { disable(TickSource::Tick10ms); }
void tim_disableTimer20ms() { disable(TickSource::Tick20ms); }
void tim_disableTimer100ms() { disable(TickSource::Tick100ms); }

void tim_timerCallback(TickSource source) {
  if (enableCounter[static_cast<int>(source)] == 0) return;
  IRQ_RunRoutine([source] { runTickRoutine(source); });
}

void tim_timer1msBatch(uint32_t ticks) {
  if (ticks == 0 || enableCounter[static_cast<int>(TickSource::Tick1ms)] == 0) return;
  IRQ_RunRoutine([ticks] { DTM_Tick1ms(ticks); });
}

int32_t tim_enableCount(TickSource source) { return enableCounter[static_cast<int>(source)]; }

void tim_ProcessReset() {
  timersCreated = false;
  for (auto& c : enableCounter) c = 0;
}
