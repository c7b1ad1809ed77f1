// A serial device of the host: a real tty set up with termios, or a
// pseudo-terminal that a test station can connect to.
#pragma once

#include <cstdint>
#include <string>

#include "platform/host_services.h"

class SerialDevice {
 public:
  SerialDevice() = default;
  ~SerialDevice();
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  // Opens `path` as a tty with the given line settings.
  bool openDevice(const std::string& path, const SerialSettings& settings, std::string* error);
  // Creates a pseudo-terminal; path() then names the side to connect to.
  bool openPseudoTerminal(const SerialSettings& settings, std::string* error);
  void close();

  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool isPseudoTerminal() const { return peerFd_ >= 0; }

 private:
  int fd_ = -1;
  // Kept open on a pseudo-terminal so the master never sees a hang-up
  // while no test station is connected.
  int peerFd_ = -1;
  std::string path_;
};

// termios setup shared by both kinds (raw, baud rate, parity, data and stop bits).
bool SIM_ApplyLineSettings(int fd, const SerialSettings& settings, std::string* error);
