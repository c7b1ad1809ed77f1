#include "data/demo_data.h"

#include <cstring>

#include "data/data_fields.h"
#include "data/data_image.h"
#include "platform/host_services.h"

namespace {

// Configuration: two circuits (circuit 1 with value 1, circuit 2 with value
// 2), option flag and bit 6 set in byte 23.
constexpr uint8_t kConfig[30] = {0x00, 0x20, 6, 3, 1, 0x00, 20, 0, 0,    0, 0, 0, 0, 0, 3,
                                 0,    0,    0, 0, 0, 1,    0,  0, 0xC9, 0, 0, 0, 0, 0, 160};

// Status: no indication, status byte 7 value 2; one 4-byte group per circuit.
constexpr uint8_t kStatus[kStatusRecordSize] = {0,  0, 0,    0,  0,  0, 0, 2, 0x11, 42,
                                                40, 0, 0x11, 35, 38, 0, 0, 0, 0,    0};

// Boiler and plant values (temperatures in half degrees where the
// controller delivers them so).
constexpr uint8_t kJob0[24] = {3, 0x55, 106, 96, 120, 110, 9,  22, 100, 98, 0, 0,
                               1, 45,   16,  48, 70,  58,  40, 2,  0,   0,  0, 0};
// Brightness values 1 and 2 at bytes 5 and 6.
constexpr uint8_t kJob1[7] = {3, 0, 1, 0, 0, 24, 168};
// Byte 4 contrast, byte 5 menu language, bytes 6..9 the clock (set at load).
constexpr uint8_t kJob2Short[10] = {0, 0, 0, 0, 26, 0, 0, 0, 0, 0};
constexpr uint8_t kJob2Long[11] = {60, 45, 75, 35, 100, 50, 90, 1, 0, 0, 0};
// Service and plant state: clock set, no commissioning, no filling or venting.
constexpr uint8_t kJob15[54] = {0x00, 0x00, 48, 2, 0,  0, 0, 0, 12, 34, 1, 0, 0, 0x00, 0, 0, 20, 0,
                                80,   0,    55, 0, 45, 0, 0, 0, 0,  0,  0, 0, 0, 0,    0, 0, 0,  0,
                                0,    0,    0,  0, 0,  0, 0, 0, 0,  0,  0, 0, 0, 0,    0, 0, 0,  0};
// Solar: collector and storage temperatures, pump speed, yield counters.
constexpr uint8_t kJob24[29] = {1,  0x63, 112, 98, 76, 60, 1, 0x10, 0x27, 0, 0, 0x2C, 0x01, 0, 0,
                                12, 3,    0,   0,  0,  0,  0, 0,    0,    0, 0, 0,    0,    0};

// Circuit records: 3 bytes of job 0, 20 of job 1 (bytes 14..21 two dates,
// 0 = none), 5 of job 2. Circuit 2 has a holiday planned (2027-07-10 to
// 2027-07-24).
constexpr uint8_t kCircuit1[kCircuitRecordSize] = {1, 42, 40, 3, 40, 32, 0x0C, 0, 14, 10, 0,  0, 0, 0,
                                                   0, 0,  0,  0, 0,  0,  0,    0, 0,  40, 36, 0, 0, 0};
constexpr uint8_t kCircuit2[kCircuitRecordSize] = {1,    35,   38, 3,  38,   30,   0x0C, 0,    12,   8,
                                                   0,    0,    0,  0,  0x80, 0x69, 0x31, 0x6C, 0x80, 0xDE,
                                                   0x43, 0x6C, 0,  38, 34,   0,    0,    0};

// Fault records of 11 bytes: code, source, three unread bytes, category
// (16 bit), time stamp (32 bit seconds).
struct DemoFault {
  uint8_t code;
  uint8_t source;
  uint16_t category;
  uint32_t time;
};
constexpr DemoFault kCurrentFaults[] = {{0x25, 6, 0, 1796109300}};
constexpr DemoFault kFaultHistory[] = {
    {0x25, 6, 0, 1796109300}, {0x1A, 2, 2, 1793698860}, {0x3C, 23, 0, 1781791320}};

// Entered in German, the menu language of the set.
constexpr uint8_t kLanguageOfNames = 0;
const char16_t kName1[] = u"Erdgeschoss";
const char16_t kName2[] = u"Obergeschoss";

template <size_t N>
void load(DatBlock block, const uint8_t (&bytes)[N]) {
  static_assert(N <= 255);
  if (N == DAT_BlockSize(block)) std::memcpy(DAT_Block(block), bytes, N);
}

void putLittleEndian(uint8_t* p, uint32_t value, uint8_t bytes) {
  for (uint8_t i = 0; i < bytes; ++i, value >>= 8) p[i] = static_cast<uint8_t>(value);
}

template <size_t N>
void loadFaults(DatBlock block, const DemoFault (&faults)[N]) {
  static_assert(N <= kHistoryEntries);
  uint8_t* entry = DAT_Block(block);
  for (const DemoFault& f : faults) {
    entry[0] = f.code;
    entry[1] = f.source;
    putLittleEndian(entry + 5, f.category, 2);
    putLittleEndian(entry + 7, f.time, 4);
    entry += kHistoryEntrySize;
  }
}

template <size_t N>
void loadName(uint8_t circuit, const char16_t (&name)[N]) {
  uint16_t units[N];
  for (size_t i = 0; i < N; ++i) units[i] = static_cast<uint16_t>(name[i]);
  DAT_SetCircuitName(circuit, units, static_cast<uint8_t>(N - 1), kLanguageOfNames);
}

uint32_t hostLocalSeconds() {
  const HostLocalTime t = HOST().localTime();
  return static_cast<uint32_t>(t.utcSeconds + (t.daylightSaving ? 3600 : 0) -
                               int64_t{t.zoneOffsetMinutes} * 60);
}

}  // namespace

void DAT_LoadDemoData() {
  load(DatBlock::Config, kConfig);
  load(DatBlock::Status, kStatus);
  load(DatBlock::Job0, kJob0);
  load(DatBlock::Job1, kJob1);
  load(DatBlock::Job2Short, kJob2Short);
  load(DatBlock::Job2Long, kJob2Long);
  load(DatBlock::Job15, kJob15);
  load(DatBlock::Job24, kJob24);
  load(DatBlock::CircuitRecord1, kCircuit1);
  load(DatBlock::CircuitRecord2, kCircuit2);
  loadFaults(DatBlock::FaultHistoryA, kCurrentFaults);
  loadFaults(DatBlock::FaultHistoryB, kFaultHistory);
  loadName(1, kName1);
  loadName(2, kName2);
  DAT_Set(df::ControllerClock, hostLocalSeconds());
  DAT_SelectCircuit(1);
}
