// A unit with only the data image in it: active object 1 records what it
// is sent, so that restarts requested by the data image can be seen.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "data/data_image.h"
#include "kernel/active_object.h"
#include "platform/interrupt.h"
#include "tests/support/test_host.h"

class DataImageTest : public ::testing::Test {
 protected:
  DataImageTest() {
    received().clear();
    IRQ_InitLocks();
    for (AoNumber n = AO_BED; n <= AO_DIS; ++n) AO_Init(n);
    AO_ClearReady();
    AO_Start(AO_BED, &Recorder, 0);
    __enable_interrupt();
  }

  // Restart reasons that reached active object 1 since the last call.
  std::vector<uint32_t> restartReasons() {
    AO_Run();
    std::vector<uint32_t> reasons;
    for (const Event& e : received())
      if (e.sig == SIG_BED_ERROR_RESET) reasons.push_back(e.par);
    received().clear();
    return reasons;
  }

  static std::vector<Event>& received() {
    static std::vector<Event> events;
    return events;
  }

  static StateResult Recorder(Hsm*, const Event* e) {
    if (e->sig == SIG_EMPTY) return &HSM_Top;
    if (e->sig > SIG_EXIT_ALL) received().push_back(*e);
    return nullptr;
  }

  TestHost test;
};
