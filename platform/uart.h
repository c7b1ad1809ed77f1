// Serial ports: byte-wise driver over the host's serial device.
#pragma once

#include <cstdint>

constexpr int kUartCount = 2;
constexpr int kServicePort = 0;

using UartByteSent = void (*)();
using UartByteReceived = void (*)(uint8_t byte);

// Opens the port once per process; failures are traced and leave it closed.
void UART_Open(int port, UartByteSent byteSent, UartByteReceived byteReceived);
// Sends one byte when the port is open; there is no transmit queue.
void UART_Send(int port, uint8_t byte);
void UART_Stop(int port);
bool UART_IsOpen(int port);

void UART_ProcessReset();
