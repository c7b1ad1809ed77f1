// The real-time host runs the unit on threads of its own: start, key input
// from another thread, pause, resume and a clean stop. Run it under
// ThreadSanitizer to check the threads' sharing.
#include "sim/real_time_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "platform/key_port.h"

namespace {

class RealTimeHostTest : public ::testing::Test {
 protected:
  RealTimeHostTest() {
    callbacks.trace = [this](const char* text) {
      std::lock_guard<std::mutex> lock(mutex);
      traces += text;
    };
    options.servicePort = "none";
  }
  bool traced(const std::string& text, std::chrono::milliseconds within) {
    const auto until = std::chrono::steady_clock::now() + within;
    while (std::chrono::steady_clock::now() < until) {
      {
        std::lock_guard<std::mutex> lock(mutex);
        if (traces.find(text) != std::string::npos) return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }
  RealTimeHost::Options options;
  RealTimeHost::Callbacks callbacks;
  std::mutex mutex;
  std::string traces;
};

TEST_F(RealTimeHostTest, RunsTheUnitTakesKeysAndStopsCleanly) {
  RealTimeHost host(options, callbacks);
  host.start();
  ASSERT_TRUE(traced("\n BKE_Kontrasteinstellung Init", std::chrono::seconds(5)));
  host.setHardkey(kHardkeyResetRequest, true);  // from this thread, like the window thread
  host.setHardkey(kHardkeyResetRequest, false);
  EXPECT_TRUE(traced("\n*RESTARTING", std::chrono::seconds(5)));

  host.pause();
  EXPECT_TRUE(host.paused());
  host.resume();
  const auto stopStarted = std::chrono::steady_clock::now();
  host.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - stopStarted, std::chrono::milliseconds(200));
  EXPECT_FALSE(host.running());
  std::lock_guard<std::mutex> lock(mutex);
  EXPECT_EQ(traces.find("FATAL"), std::string::npos) << traces;
}

TEST_F(RealTimeHostTest, RestartsInTheSameProcess) {
  RealTimeHost host(options, callbacks);
  for (int life = 0; life < 2; ++life) {
    host.start();
    ASSERT_TRUE(traced("\n BKE_Kontrasteinstellung Init", std::chrono::seconds(5)));
    host.stop();
    std::lock_guard<std::mutex> lock(mutex);
    traces.clear();
  }
}

}  // namespace
