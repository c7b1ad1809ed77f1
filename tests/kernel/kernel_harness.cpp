#include "tests/kernel/kernel_harness.h"

#include "kernel/active_object.h"
#include "kernel/key_task.h"
#include "kernel/timer_task.h"
#include "platform/interrupt.h"

std::vector<RecordedEvent> KernelHarness::recorded;

namespace {
VirtualTimeHost* clockSource = nullptr;

StateResult Recorder(Hsm*, const Event* e) {
  if (e->sig == SIG_EMPTY) return &HSM_Top;
  if (e->sig > SIG_EXIT_ALL) KernelHarness::recorded.push_back({clockSource->now(), e->sig, e->par});
  return nullptr;
}
}  // namespace

KernelHarness::KernelHarness() {
  recorded.clear();
  clockSource = &test.host;
  IRQ_InitLocks();
  __disable_interrupt();
  for (AoNumber n = AO_BED; n <= AO_DIS; ++n) AO_Init(n);
  AO_ClearReady();
  AO_Start(AO_TAS, &TAS_Task, 1);
  AO_Start(AO_DTM, &DTM_TimerTask, 1);
  __enable_interrupt();
  AO_Start(AO_BED, &Recorder, 0);
  AO_Post(AO_DTM, SIG_DTM_TICKS_ON, 0);
  AO_Run();
}

KernelHarness::~KernelHarness() { clockSource = nullptr; }

void KernelHarness::runFor(uint64_t ms, uint32_t stepMs) {
  const uint64_t end = test.host.now() + ms;
  while (test.host.now() < end) {
    test.host.delayMs(stepMs);
    AO_Run();
  }
}

std::vector<RecordedEvent> KernelHarness::eventsOf(Signal sig) const {
  std::vector<RecordedEvent> out;
  for (const auto& e : recorded)
    if (e.sig == sig) out.push_back(e);
  return out;
}
