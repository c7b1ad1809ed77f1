// The controller data image: the unit's shadow copy of the controller's data.
//
// Every block is an exact copy of the answer bytes of the data job that
// fills it; "byte k of job j" in the menus means byte k of that block. The
// menus read and write single values through named fields (data_fields.h)
// and the few generic accessors below instead of one function per value.
#pragma once

#include <cstdint>

#include "kernel/app.h"
#include "kernel/calendar.h"

// ---------------------------------------------------------------------------
// Block layout

constexpr uint16_t kStatusRecordSize = 20;
constexpr uint16_t kCircuitStatusSize = 4;
constexpr uint16_t kCircuitRecordSize = 28;
constexpr uint8_t kCircuitCount = 3;         // circuit records 1..3
constexpr uint8_t kNamedCircuitCount = 2;    // circuits with a name and time programs
constexpr uint16_t kCircuitNameLength = 20;  // UTF-16 code units of one name
constexpr uint8_t kHistoryEntries = 10;
constexpr uint8_t kHistoryEntrySize = 11;
constexpr uint16_t kHistorySize = kHistoryEntries * kHistoryEntrySize;

// Where the three parts of a circuit record come from.
constexpr uint8_t kRecordJob0Offset = 0;  // 3 bytes of job 0
constexpr uint8_t kRecordJob0Size = 3;
constexpr uint8_t kRecordJob1Offset = 3;  // 20 bytes of job 1
constexpr uint8_t kRecordJob1Size = 20;
constexpr uint8_t kRecordJob2Offset = 23;  // 5 bytes of job 2
constexpr uint8_t kRecordJob2Size = 5;
// Two 32-bit second values of a circuit record, kept as dates on selection.
constexpr uint8_t kRecordDate1Offset = 14;
constexpr uint8_t kRecordDate2Offset = 18;

// Switching times: [circuit 0..1][program 0..2][day 0..6, Monday first]
// [period 0..3][0 = on, 1 = off], each a count of 10-minute steps.
constexpr uint8_t kPrograms = 3;  // heating, hot water, circulation
constexpr uint8_t kDays = 7;
constexpr uint8_t kPeriods = 4;
constexpr uint8_t kTimeStepsPerDay = 144;  // 144 = 24:00
constexpr uint8_t kNoTime = 255;           // period not used
constexpr uint8_t kDayTimesSize = kPeriods * 2;
// Bytes of one weekday answer (jobs 3..9): 3 programs × 4 periods × on/off.
constexpr uint8_t kWeekdayAnswerSize = kPrograms * kDayTimesSize;

struct CircuitName {
  uint16_t units[kCircuitNameLength];  // 0 after the last character
  uint8_t language;                    // language the name was entered in
};

// The blocks, in the order of the image.
enum class DatBlock : uint8_t {
  Status,                // 20 bytes, status record
  PreviousStatusWord,    // 2, kept for edge detection
  PreviousStatusByte7,   // 1
  CurrentCircuitStatus,  // 4, status group of the current circuit
  Job0,                  // 24, answer bytes 2..25
  Job1,                  // 7, answer bytes 22..28
  Job2Short,             // 10, answer bytes 7..16
  Job2Long,              // 11, answer bytes 17..27
  Config,                // 30, job 10 answer bytes 2..31
  Job13_14,              // 26, job 13 (25 bytes) or job 14 (26 bytes)
  Job15,                 // 54, answer bytes 2..55
  Job16,                 // 37
  Job17,                 // 25
  Job18,                 // 27
  Job24,                 // 29
  Job26,                 // 29
  FaultHistoryA,         // 110, job 22
  FaultHistoryB,         // 110, job 23
  CircuitRecord1,        // 28
  CircuitRecord2,        // 28
  CircuitRecord3,        // 28
  CurrentCircuitRecord,  // 28, what the per-circuit fields read
  Local,                 // the unit's own state, see LocalByte
  Count
};

// Bytes of the local state block.
enum LocalByte : uint8_t {
  kLocalCurrentCircuit,      // 1..3, 0 = none
  kLocalDayGroup,            // day-group selector of the time programs
  kLocalProgram,             // selected program type of the time programs
  kLocalPeriod,              // selected switching period
  kLocalFaultMessage,        // fault message pending
  kLocalMaintenanceMessage,  // maintenance message pending
  kLocalFaultSuppress,       // non-zero keeps the fault indication out
  kLocalMaintenanceSuppress,
  kLocalEventSuppress,  // status byte 7 bit 5
  kLocalLanguage,       // language of the shown texts
  kLocalContrast,       // display contrast setting
  kLocalBrightness1,    // brightness value 1: screen-saver level of the backlight
  kLocalBrightness2,    // brightness value 2: operating level of the backlight
  kLocalSize = 32       // room for further local values
};

// Value that a local clear of an indication leaves in its suppress flag.
constexpr uint8_t kSuppressActive = 5;

// Restart reasons of the data image.
constexpr uint8_t kResetCircuitSelect = 133;
constexpr uint8_t kResetCircuitWriteBack = 134;
constexpr uint8_t kResetDataRequest = 136;

// Defaults when neither the controller nor the flash has a value.
constexpr uint8_t kDefaultContrast = 50;
constexpr uint8_t kDefaultBrightness1 = 24;
constexpr uint8_t kDefaultBrightness2 = 168;

uint8_t* DAT_Block(DatBlock block);
uint16_t DAT_BlockSize(DatBlock block);
void DAT_ClearBlock(DatBlock block);
// Record of circuit 1..3; nullptr for any other number.
uint8_t* DAT_CircuitRecord(uint8_t circuit);

// ---------------------------------------------------------------------------
// Field accessors

// A value in a block: `bits` bits (1..32) starting at bit `shift` (0..7) of
// byte `byte`; values of more than one byte are stored low byte first.
struct DatField {
  DatBlock block;
  uint8_t byte;
  uint8_t shift;
  uint8_t bits;
};

constexpr DatField DAT_Bit(DatBlock block, uint8_t byte, uint8_t bit) { return {block, byte, bit, 1}; }
constexpr DatField DAT_Byte(DatBlock block, uint8_t byte) { return {block, byte, 0, 8}; }
constexpr DatField DAT_Word(DatBlock block, uint8_t byte) { return {block, byte, 0, 16}; }
constexpr DatField DAT_Long(DatBlock block, uint8_t byte) { return {block, byte, 0, 32}; }
constexpr DatField DAT_Bits(DatBlock block, uint8_t byte, uint8_t shift, uint8_t bits) {
  return {block, byte, shift, bits};
}

// A value that lives in a different place for circuit 1 and circuit 2; the
// current circuit chooses (circuit 2 only when it is current).
struct DatCircuitField {
  DatField circuit1;
  DatField circuit2;
};

// The field's value; 0 for a field that does not fit its block.
uint32_t DAT_Get(DatField field);
// The field's value as a 0/1 flag (any non-zero value gives 1).
uint8_t DAT_Flag(DatField field);
// Whether the field holds `value`.
bool DAT_Test(DatField field, uint32_t value);
// Stores the low bits of `value`; the other bits of the bytes stay. A store
// into the current circuit record is written back to its circuit.
void DAT_Set(DatField field, uint32_t value);
uint32_t DAT_GetForCircuit(DatCircuitField field);
void DAT_SetForCircuit(DatCircuitField field, uint32_t value);

// ---------------------------------------------------------------------------
// Operations

// Clears the image and loads the demonstration data set unless the start
// is a warm restart, which keeps everything.
void DAT_Init(StartKind kind);
// Zeroes the whole image, local state included, as at process start.
void DAT_ProcessReset();

// Makes circuit c current when it is current already or none is: its record
// becomes the current circuit record, its status group the current-circuit
// status, and its two second values are kept as dates. c = 0 does nothing;
// c >= 3 restarts the unit (reason 133).
void DAT_SelectCircuit(uint8_t circuit);
// Makes circuit c (1..2) the current circuit and selects it.
void DAT_ChangeCircuit(uint8_t circuit);
uint8_t DAT_GetCurrentCircuit();
// Copies the current circuit record and its status group back to the
// circuit; with a current circuit >= 3 restarts the unit (reason 134).
void DAT_WriteBackCircuit();
// The two dates kept at the last selection (index 0 or 1).
const DateTime* DAT_CircuitDate(uint8_t index);

// Switching times. Circuit index 0..1, program 0..2, day 0..6, period 0..3,
// edge 0 = on, 1 = off. Out-of-range indices read kNoTime and write nothing.
uint8_t DAT_GetSwitchingTime(uint8_t circuit, uint8_t program, uint8_t day, uint8_t period, uint8_t edge);
void DAT_SetSwitchingTime(uint8_t circuit, uint8_t program, uint8_t day, uint8_t period, uint8_t edge,
                          uint8_t time);
// The default program: period 0 from 6:00 (heating) or 5:30 (hot water,
// circulation) to 22:00 on every day, the other periods unused.
void DAT_SetDefaultSwitchingTimes(uint8_t circuit, uint8_t program);
// Stores one weekday answer (jobs 3..9) of circuit 1..2: each byte holds
// hours × 8 + tens of minutes and is kept as a count of 10-minute steps.
void DAT_StoreWeekdayAnswer(uint8_t circuit, uint8_t day, const uint8_t* answer);
// hours × 8 + tens of minutes → 10-minute steps; anything that is not a
// time of 0:00..24:00 becomes kNoTime.
uint8_t DAT_TimeFromAnswerByte(uint8_t encoded);

// Day groups: 1..7 one day (Monday..Sunday), 8 Monday..Friday, 9 Saturday
// and Sunday, any other value the whole week.
constexpr uint8_t kDayGroupWeek = 0;
constexpr uint8_t kDayGroupWorkdays = 8;
constexpr uint8_t kDayGroupWeekend = 9;
// First day and number of days of a group.
uint8_t DAT_GroupFirstDay(uint8_t group);
uint8_t DAT_GroupDayCount(uint8_t group);
// Reads the group's first day; writes every day of the group.
uint8_t DAT_GetGroupTime(uint8_t group, uint8_t circuit, uint8_t program, uint8_t period, uint8_t edge);
void DAT_SetGroupTime(uint8_t group, uint8_t circuit, uint8_t program, uint8_t period, uint8_t edge,
                      uint8_t time);
// Whether every day of the group has the same eight bytes as its first day.
bool DAT_GroupIsUniform(uint8_t group, uint8_t circuit, uint8_t program);

// Message flags. Clearing an indication locally also sets its suppress
// flag, which keeps the indication out of the stored status until the next
// initialisation.
void DAT_SetFaultMessage(uint8_t value);
void DAT_SetMaintenanceMessage(uint8_t value);
void DAT_ClearFaultIndication();
void DAT_ClearMaintenanceIndication();

// Circuit names (circuit 1..2).
const CircuitName* DAT_GetCircuitName(uint8_t circuit);
void DAT_SetCircuitName(uint8_t circuit, const uint16_t* units, uint8_t count, uint8_t language);
// One part (1 = characters 1..10, 2 = 11..20) of a name answer: `count`
// characters of 16 bits, low byte first. Part 1 starts a new name.
void DAT_StoreCircuitNamePart(uint8_t circuit, uint8_t part, const uint8_t* characters, uint8_t count,
                              uint8_t language);

// Texts that the names of circuits 1 and 2 replace.
constexpr uint16_t kCircuitNameText1 = 116;
constexpr uint16_t kCircuitNameText2 = 117;
// The name for text 116 or 117 (its kCircuitNameLength code units) when one
// is stored and was entered in the language shown; nullptr otherwise. The
// text module asks this first.
const uint16_t* DAT_CircuitNameForText(uint16_t id);

// Language of the shown texts, as the circuit names compare it.
void DAT_SetLanguage(uint8_t language);
uint8_t DAT_GetLanguage();

// Backlight and contrast settings.
uint8_t DAT_GetBrightness1();
uint8_t DAT_GetBrightness2();
uint8_t DAT_GetContrast();
