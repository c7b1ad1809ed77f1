// The one door between the unit's firmware and the machine it runs on.
//
// Everything the firmware needs from the host (time, delays, traces, the
// panel memory, the key port, the serial device, the beep, the
// single-instance lock and message boxes) goes through this interface.
// Two implementations exist: a real-time host with timer threads and a
// virtual-time host that runs everything on one thread, deterministically.
#pragma once

#include <cstdint>

struct PanelMemory;

// Which periodic tick a host timer delivers.
enum class TickSource : uint8_t { Tick1ms = 0, Tick10ms = 1, Tick20ms = 2, Tick100ms = 3 };
constexpr int kTickSourceCount = 4;
constexpr uint32_t kTickPeriodMs[kTickSourceCount] = {1, 10, 20, 100};

// Local wall-clock time as the firmware's clock wants it.
struct HostLocalTime {
  int64_t utcSeconds;         // seconds since 1970-01-01 00:00 UTC
  int32_t zoneOffsetMinutes;  // minutes to add to local time to get UTC (west positive)
  bool daylightSaving;
};

enum class InstanceLock : uint8_t { Acquired, AlreadyRunning, Failed };

// Line settings of a serial device (the service port runs 4800 8E1).
struct SerialSettings {
  uint32_t baud;
  char parity;  // 'N', 'E' or 'O'
  uint8_t dataBits;
  uint8_t stopBits;
};

// What the firmware learns from the host's serial device. Both callbacks
// run on a host thread (or, in virtual time, from the time driver).
struct SerialCallbacks {
  void (*byteSent)(int port);
  void (*byteReceived)(int port, uint8_t byte);
};

enum class SerialOpenResult : uint8_t { Opened, DeviceFailed, SettingsFailed, ThreadFailed };

// Called by the host for every hardkey change (hardkey number, pressed).
using HardkeyCallback = void (*)(uint8_t hardkey, bool pressed);
// Called by the host timer of a tick source.
using TickCallback = void (*)(TickSource source);

class HostServices {
 public:
  virtual ~HostServices() = default;

  // Trace output; the text is already formatted.
  virtual void trace(const char* text) = 0;

  // Application-thread delay. The host may pause here; it returns early
  // (and stopRequested() becomes true) when the host wants the firmware to end.
  virtual void delayMs(uint32_t ms) = 0;
  virtual bool stopRequested() = 0;

  virtual uint32_t milliseconds() = 0;
  virtual HostLocalTime localTime() = 0;

  virtual InstanceLock acquireSingleInstance(const char* name) = 0;
  virtual void messageBox(const char* text, const char* title) = 0;
  virtual void beep() = 0;

  // Starts the four periodic tick timers. Returns a bit mask of the sources
  // that could not be created (bit n = TickSource n).
  virtual uint8_t startTickTimers(TickCallback callback) = 0;
  // True when the host calls the firmware from one thread only; the
  // interrupt emulation then needs no host locks.
  virtual bool singleThreaded() const = 0;

  virtual void setHardkeyCallback(HardkeyCallback callback) = 0;

  virtual SerialOpenResult serialOpen(int port, const char* deviceName, const SerialSettings& settings,
                                      SerialCallbacks callbacks) = 0;
  virtual void serialSend(int port, uint8_t byte) = 0;
  virtual void serialStop(int port) = 0;

  // Shared picture of the display panel (written by the firmware, read by the host).
  virtual PanelMemory* panel() = 0;
  // Called by the display driver after every refresh of the panel memory.
  virtual void panelRefreshed() {}

  // Error output of the graphics layer (allocator and UTF-8 faults).
  virtual void reportError(const char* message);
};

// The installed host. Set once before the firmware starts.
void HOST_Install(HostServices* host);
HostServices& HOST();
