// The service port over a real pseudo-terminal, with a "test station" on the other side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/uart.h"
#include "sim/real_time_host.h"
#include "sim/serial_device.h"

namespace {

std::mutex receivedMutex;
std::vector<uint8_t> received;
std::atomic<int> sentCount{0};

void onSent(int) { ++sentCount; }
void onReceived(int, uint8_t byte) {
  std::lock_guard<std::mutex> lock(receivedMutex);
  received.push_back(byte);
}

template <typename Predicate>
bool eventually(Predicate done) {
  for (int i = 0; i < 200; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

struct Station {
  explicit Station(const std::string& path) {
    fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    std::string error;
    if (fd >= 0) SIM_ApplyLineSettings(fd, SerialSettings{4800, 'E', 8, 1}, &error);
  }
  ~Station() {
    if (fd >= 0) ::close(fd);
  }
  int fd = -1;
};

class SerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    sentCount = 0;
    callbacks.trace = [this](const char* text) {
      std::lock_guard<std::mutex> lock(traceMutex);
      traces += text;
    };
  }
  std::string traceText() {
    std::lock_guard<std::mutex> lock(traceMutex);
    return traces;
  }
  RealTimeHost::Callbacks callbacks;
  std::mutex traceMutex;
  std::string traces;
};

TEST_F(SerialPortTest, BytesTravelBothWaysOverAPseudoTerminal) {
  std::string logged;
  callbacks.log = [&logged](const std::string& message) { logged += message; };
  RealTimeHost host({}, callbacks);
  HOST_Install(&host);
  ASSERT_EQ(host.serialOpen(0, "\\\\.\\COM20", SerialSettings{4800, 'E', 8, 1}, {&onSent, &onReceived}),
            SerialOpenResult::Opened)
      << logged;
  ASSERT_FALSE(host.servicePortPath().empty());
  Station station(host.servicePortPath());
  ASSERT_GE(station.fd, 0);

  const uint8_t command[] = {0x05, 0x31, 0xFF};
  ASSERT_EQ(write(station.fd, command, sizeof command), 3);
  EXPECT_TRUE(eventually([] {
    std::lock_guard<std::mutex> lock(receivedMutex);
    return received.size() == 3;
  }));
  EXPECT_EQ(received, (std::vector<uint8_t>{0x05, 0x31, 0xFF}));

  host.serialSend(0, 0x00);
  EXPECT_TRUE(eventually([] { return sentCount == 1; }));
  pollfd pfd{station.fd, POLLIN, 0};
  ASSERT_EQ(poll(&pfd, 1, 2000), 1);
  uint8_t answer = 0xAA;
  ASSERT_EQ(read(station.fd, &answer, 1), 1);
  EXPECT_EQ(answer, 0x00);

  host.serialStop(0);
  EXPECT_NE(traceText().find("\nWin32_Uart_0: com_trmThread terminated"), std::string::npos);
  EXPECT_NE(traceText().find("\nWin32_Uart_0: com_recThread terminated"), std::string::npos);
  HOST_Install(nullptr);
}

TEST_F(SerialPortTest, MissingDeviceIsTracedAndLaterSendsDoNothing) {
  RealTimeHost::Options options;
  options.servicePort = "/dev/does-not-exist-kalvero";
  std::string logged;
  callbacks.log = [&logged](const std::string& message) { logged += message; };
  RealTimeHost host(options, callbacks);
  HOST_Install(&host);
  UART_ProcessReset();
  UART_Open(
      kServicePort, [] {}, [](uint8_t) {});
  EXPECT_FALSE(UART_IsOpen(kServicePort));
  EXPECT_EQ(traceText(), "\nWin32_Uart_0: CreateFile() failed");
  EXPECT_NE(logged.find("/dev/does-not-exist-kalvero"), std::string::npos);
  UART_Send(kServicePort, 0x42);  // dropped: no transmit thread
  UART_ProcessReset();
  HOST_Install(nullptr);
}

}  // namespace
