#include "platform/uart.h"

#include <atomic>

#include "platform/host_services.h"
#include "platform/interrupt.h"
#include "platform/trace.h"

namespace {

struct PortConfig {
  const char* deviceName;
  SerialSettings settings;
};

// The device names are the unit's own; the host maps them onto its devices.
constexpr PortConfig kPorts[kUartCount] = {
    {"\\\\.\\COM20", {4800, 'E', 8, 1}},
    {"\\\\.\\COM30", {4800, 'E', 8, 1}},
};

struct PortState {
  std::atomic<bool> open;
  UartByteSent byteSent;
  UartByteReceived byteReceived;
};

PortState ports[kUartCount];

bool validPort(int port) { return port >= 0 && port < kUartCount; }

// Completion callbacks run like interrupt routines that do longer work: the
// callbacks post events, which takes the interrupt lock itself, so only the
// interrupt-routine lock is held during their body.
template <typename Callback>
void runCompletion(Callback&& callback) {
  IRQ_EnterRoutine();
  __enable_interrupt();
  callback();
  __disable_interrupt();
  IRQ_LeaveRoutine();
}

void onByteSent(int port) {
  if (!validPort(port) || ports[port].byteSent == nullptr) return;
  runCompletion([port] { ports[port].byteSent(); });
}

void onByteReceived(int port, uint8_t byte) {
  if (!validPort(port) || ports[port].byteReceived == nullptr) return;
  runCompletion([port, byte] { ports[port].byteReceived(byte); });
}

}  // namespace

void UART_Open(int port, UartByteSent byteSent, UartByteReceived byteReceived) {
  if (!validPort(port) || ports[port].open) return;
  ports[port].byteSent = byteSent;
  ports[port].byteReceived = byteReceived;
  const SerialOpenResult result =
      HOST().serialOpen(port, kPorts[port].deviceName, kPorts[port].settings, {&onByteSent, &onByteReceived});
  switch (result) {
    case SerialOpenResult::Opened:
      ports[port].open = true;
      return;
    case SerialOpenResult::DeviceFailed:
      TRC_Printf("\nWin32_Uart_%d: CreateFile() failed", port);
      return;
    case SerialOpenResult::SettingsFailed:
      TRC_Printf("\nWin32_Uart_%d: SetCommState failed", port);
      return;
    case SerialOpenResult::ThreadFailed:
      TRC_Printf("\nWin32_Uart_%d: CreateThread() failed", port);
      return;
  }
}

void UART_Send(int port, uint8_t byte) {
  if (!validPort(port) || !ports[port].open) return;
  HOST().serialSend(port, byte);
}

void UART_Stop(int port) {
  if (!validPort(port) || !ports[port].open) return;
  HOST().serialStop(port);
  ports[port].open = false;
}

bool UART_IsOpen(int port) { return validPort(port) && ports[port].open; }

void UART_ProcessReset() {
  for (auto& p : ports) {
    p.open = false;
    p.byteSent = nullptr;
    p.byteReceived = nullptr;
  }
}
