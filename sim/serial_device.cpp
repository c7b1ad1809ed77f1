#include "sim/serial_device.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

speed_t speedOf(uint32_t baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B0;
  }
}

std::string systemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

bool SIM_ApplyLineSettings(int fd, const SerialSettings& settings, std::string* error) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) {
    *error = systemError("tcgetattr");
    return false;
  }
  cfmakeraw(&tio);
  const speed_t speed = speedOf(settings.baud);
  if (speed == B0) {
    *error = "unsupported baud rate " + std::to_string(settings.baud);
    return false;
  }
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag |= settings.dataBits == 7 ? CS7 : CS8;
  if (settings.parity == 'E') tio.c_cflag |= PARENB;
  if (settings.parity == 'O') tio.c_cflag |= PARENB | PARODD;
  if (settings.stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &tio) != 0) {
    *error = systemError("tcsetattr");
    return false;
  }
  return true;
}

SerialDevice::~SerialDevice() { close(); }

bool SerialDevice::openDevice(const std::string& path, const SerialSettings& settings, std::string* error) {
  close();
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0) {
    *error = systemError(("cannot open " + path).c_str());
    return false;
  }
  if (!isatty(fd_)) {
    *error = path + " is not a serial device";
    close();
    return false;
  }
  if (!SIM_ApplyLineSettings(fd_, settings, error)) {
    close();
    return false;
  }
  path_ = path;
  return true;
}

bool SerialDevice::openPseudoTerminal(const SerialSettings& settings, std::string* error) {
  close();
  fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
    *error = systemError("cannot create a pseudo-terminal");
    close();
    return false;
  }
  char name[128];
  if (ptsname_r(fd_, name, sizeof name) != 0) {
    *error = systemError("ptsname");
    close();
    return false;
  }
  path_ = name;
  peerFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (peerFd_ < 0) {
    *error = systemError(("cannot open " + path_).c_str());
    close();
    return false;
  }
  // Line settings belong to the terminal side; the master only passes bytes.
  if (!SIM_ApplyLineSettings(peerFd_, settings, error)) {
    close();
    return false;
  }
  return true;
}

void SerialDevice::close() {
  if (peerFd_ >= 0) ::close(peerFd_);
  if (fd_ >= 0) ::close(fd_);
  peerFd_ = -1;
  fd_ = -1;
  path_.clear();
}
