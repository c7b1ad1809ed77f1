#include "kernel/timer_task.h"

#include "kernel/active_object.h"
#include "platform/cpu_timer.h"
#include "platform/host_services.h"
#include "platform/interrupt.h"

namespace {

struct OneShotTimer {
  Signal setSignal;
  Signal timeoutSignal;
  AoNumber receiver;
  bool clearedAtStart;
};

// Order within a table is the order of processing within one tick.
constexpr OneShotTimer kTimers10ms[] = {
    {SIG_TIMER_D_SET, SIG_TIMER_D_TIMEOUT, AO_BED, true},
    {SIG_TIMER_K_SET, SIG_TIMER_K_TIMEOUT, AO_TAS, true},
};
constexpr OneShotTimer kTimers100ms[] = {
    {SIG_TIMER_A_SET, SIG_TIMER_A_TIMEOUT, AO_BED, true},
    {SIG_TIMER_B_SET, SIG_TIMER_B_TIMEOUT, AO_BED, true},
    {SIG_TIMER_C_SET, SIG_TIMER_C_TIMEOUT, AO_BED, true},
    {SIG_TIMER_F_SET, SIG_TIMER_F_TIMEOUT, AO_BED, true},
    {SIG_TIMER_G_SET, SIG_TIMER_G_TIMEOUT, AO_BED, true},
    {SIG_TIMER_E_SET, SIG_TIMER_E_TIMEOUT, AO_BED, false},
    {SIG_TIMER_H_SET, SIG_TIMER_H_TIMEOUT, AO_BED, true},
    {SIG_TIMER_I_SET, SIG_TIMER_I_TIMEOUT, AO_BED, false},
};
constexpr int kCount10ms = sizeof kTimers10ms / sizeof kTimers10ms[0];
constexpr int kCount100ms = sizeof kTimers100ms / sizeof kTimers100ms[0];

struct PeriodicTimer {
  Signal signal;
  AoNumber receiver;
  uint16_t reload;
};
constexpr PeriodicTimer kPeriodic[] = {
    {SIG_DIS_SUPERVISE, AO_DIS, 10},
    {SIG_DIS_CYCLE_FAST, AO_DIS, 300},
    {SIG_DIS_CYCLE_SLOW, AO_DIS, 600},
    {SIG_MENU_TICK, AO_BED, 50},
};
constexpr int kPeriodicCount = sizeof kPeriodic / sizeof kPeriodic[0];
constexpr int kMenuTickIndex = 3;

constexpr uint8_t kAliveReload10ms = 20;
constexpr uint8_t kAliveReload100ms = 2;

uint16_t counters10ms[kCount10ms];
uint16_t counters100ms[kCount100ms];
uint16_t periodicCounters[kPeriodicCount];
uint32_t ticks1ms, ticks10ms, ticks100ms;
uint32_t clockSeconds;
uint8_t alive10ms, alive100ms;

void stepOneShots(const OneShotTimer* table, uint16_t* counters, int count) {
  for (int i = 0; i < count; ++i) {
    if (counters[i] == 0) continue;
    if (--counters[i] == 0) AO_Post(table[i].receiver, table[i].timeoutSignal, 0);
  }
}

void stepPeriodic() {
  for (int i = 0; i < kPeriodicCount; ++i) {
    if (periodicCounters[i] == 0) {
      periodicCounters[i] = kPeriodic[i].reload;
      AO_Post(kPeriodic[i].receiver, kPeriodic[i].signal, 0);
    } else {
      --periodicCounters[i];
    }
  }
}

// The tick routines count these down with only the interrupt-routine lock
// held, so the application thread writes them inside the same lock: on the
// device a store can never land in the middle of a tick routine either.
void setCounter(uint16_t* counter, uint16_t value) {
  IRQ_RunRoutine([=] { *counter = value; });
}

bool setOneShot(Signal sig, uint16_t value) {
  for (int i = 0; i < kCount10ms; ++i)
    if (kTimers10ms[i].setSignal == sig) {
      setCounter(&counters10ms[i], value);
      return true;
    }
  for (int i = 0; i < kCount100ms; ++i)
    if (kTimers100ms[i].setSignal == sig) {
      setCounter(&counters100ms[i], value);
      return true;
    }
  return false;
}

void readHostClock() {
  const HostLocalTime t = HOST().localTime();
  const int64_t local = t.utcSeconds + (t.daylightSaving ? 3600 : 0) - int64_t{t.zoneOffsetMinutes} * 60;
  clockSeconds = static_cast<uint32_t>(local);
}

void initialise(uint32_t startKind) {
  alive10ms = kAliveReload10ms;
  alive100ms = kAliveReload100ms;
  // Runs while the start-up holds interrupts disabled and every tick source is off.
  if (startKind != 2) {
    readHostClock();
    for (int i = 0; i < kMenuTickIndex; ++i) periodicCounters[i] = kPeriodic[i].reload;
  }
  periodicCounters[kMenuTickIndex] = kPeriodic[kMenuTickIndex].reload;
  ticks1ms = ticks10ms = ticks100ms = 0;
  for (int i = 0; i < kCount10ms; ++i)
    if (kTimers10ms[i].clearedAtStart) counters10ms[i] = 0;
  for (int i = 0; i < kCount100ms; ++i)
    if (kTimers100ms[i].clearedAtStart) counters100ms[i] = 0;
  tim_createTimers();
}

void ticksOn() {
  tim_enableTimer100ms();
  tim_enableTimer20ms();
  tim_enableTimer10ms();
  tim_enableTimer1ms();
}

void ticksOff() {
  tim_disableTimer100ms();
  tim_disableTimer20ms();
  tim_disableTimer10ms();
  tim_disableTimer1ms();
}

}  // namespace

StateResult DTM_TimerTask(Hsm* /*me*/, const Event* e) {
  HSM_TraceState("DTM_TimerTask", e->sig);
  switch (e->sig) {
    case SIG_ENTRY:
    case SIG_EXIT:
      return nullptr;
    case SIG_INIT:
      initialise(e->par);
      return nullptr;
    case SIG_DTM_TICKS_ON:
      ticksOn();
      return nullptr;
    case SIG_DTM_TICKS_OFF:
      ticksOff();
      return nullptr;
    case SIG_DTM_IGNORED_100:
    case SIG_DTM_IGNORED_101:
    case SIG_DTM_IGNORED_102:
      return nullptr;
    case SIG_DTM_SET_CLOCK:
      IRQ_RunRoutine([e] { clockSeconds = e->par; });
      return nullptr;
    case SIG_DTM_BEEP:
      HOST().beep();
      return nullptr;
    default:
      if (setOneShot(e->sig, static_cast<uint16_t>(e->par))) {
        if (e->sig == SIG_TIMER_C_SET) AO_Purge(AO_BED, SIG_TIMER_C_TIMEOUT);
        return nullptr;
      }
      return &HSM_Top;
  }
}

void DTM_Tick1ms(uint32_t ticks) { ticks1ms += ticks; }

void DTM_Tick10ms() {
  __enable_interrupt();
  ++ticks10ms;
  stepOneShots(kTimers10ms, counters10ms, kCount10ms);
  if (--alive10ms == 0) {
    alive10ms = kAliveReload10ms;
    AO_Post(AO_BED, SIG_ALIVE_10MS, 0);
  }
  __disable_interrupt();
}

void DTM_Tick100ms() {
  __enable_interrupt();
  ++ticks100ms;
  if (ticks100ms % 10 == 0) ++clockSeconds;
  stepOneShots(kTimers100ms, counters100ms, kCount100ms);
  stepPeriodic();
  if (--alive100ms == 0) {
    alive100ms = kAliveReload100ms;
    AO_Post(AO_BED, SIG_ALIVE_100MS, 0);
  }
  __disable_interrupt();
}

namespace {
uint32_t readShared(const uint32_t& value) {
  uint32_t copy = 0;
  IRQ_RunRoutine([&] { copy = value; });
  return copy;
}
}  // namespace

uint32_t DTM_GetTicks100ms() { return readShared(ticks100ms); }
uint32_t DTM_GetTicks10ms() { return readShared(ticks10ms); }
uint32_t DTM_GetTicks1ms() { return readShared(ticks1ms); }
uint32_t DTM_GetClock() { return readShared(clockSeconds); }

void DTM_GetDateTime(DateTime* record) { CAL_SecondsToRecord(DTM_GetClock(), record); }

void DTM_ProcessReset() {
  for (auto& c : counters10ms) c = 0;
  for (auto& c : counters100ms) c = 0;
  for (auto& c : periodicCounters) c = 0;
  ticks1ms = ticks10ms = ticks100ms = 0;
  clockSeconds = 0;
  alive10ms = alive100ms = 0;
}
