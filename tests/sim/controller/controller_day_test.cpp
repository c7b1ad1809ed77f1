// A virtual day of the unit with the simulated controller: no error
// restart, and the plant values move over the day.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "sim/controller/sim_controller.h"
#include "tests/support/test_host.h"

namespace {

class WithController : public ::testing::Test {
 protected:
  WithController() { controller.attachTo(test.host); }
  double controllerValue(const char* name) {
    double v = -1;
    EXPECT_TRUE(controller.value(name, &v)) << name;
    return v;
  }

  TestHost test;
  simctl::SimController controller;
};

TEST_F(WithController, ADayWithoutAnErrorRestart) {
  double outdoorMin = 100, outdoorMax = -100, boilerMin = 100, boilerMax = 0;
  for (uint64_t t = 60000; t < 24 * 3600 * 1000ull; t += 600000)
    test.at(t, [&] {
      outdoorMin = std::min(outdoorMin, controllerValue("outdoor-temperature"));
      outdoorMax = std::max(outdoorMax, controllerValue("outdoor-temperature"));
      boilerMin = std::min(boilerMin, controllerValue("boiler-temperature"));
      boilerMax = std::max(boilerMax, controllerValue("boiler-temperature"));
    });
  test.runUnitFor(24 * 3600 * 1000ull);
  EXPECT_EQ(test.traceCount("SIG_BED_ERROR_RESET"), 0u);
  EXPECT_EQ(test.traceCount("RESTARTING"), 0u);
  EXPECT_EQ(controller.statistics().refusedFrames, 0u);
  EXPECT_GT(outdoorMax - outdoorMin, 8);
  EXPECT_GT(boilerMax - boilerMin, 5);
  const auto stats = controller.statistics();
  std::printf("frames in 24 h: %llu written, %llu read\n",
              static_cast<unsigned long long>(stats.framesWritten),
              static_cast<unsigned long long>(stats.framesRead));
}

}  // namespace
