#include "data/data_image.h"

#include <cstring>

#include "data/data_fields.h"
#include "data/param_store.h"
#include "gui/core/text.h"
#include "kernel/app.h"
#include "tests/data/data_image_fixture.h"

namespace {

using Init = DataImageTest;

void scribble(DatBlock block) { std::memset(DAT_Block(block), 0xA5, DAT_BlockSize(block)); }

TEST_F(Init, WarmRestartKeepsEverything) {
  DAT_Init(kStartCold);
  scribble(DatBlock::Job16);
  DAT_Set(df::FaultSuppress, kSuppressActive);
  DAT_SetSwitchingTime(1, 2, 6, 3, 1, 77);
  DAT_Init(kStartWarm);
  EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Job16, 36)), 0xA5u);
  EXPECT_EQ(DAT_Get(df::FaultSuppress), kSuppressActive);
  EXPECT_EQ(DAT_GetSwitchingTime(1, 2, 6, 3, 1), 77);
}

TEST_F(Init, EveryOtherStartClearsAndLoadsTheDemonstrationSet) {
  for (StartKind kind : {kStartCold, kStartControllerReset, kStartErrorRestart}) {
    SCOPED_TRACE(int(kind));
    scribble(DatBlock::Job16);  // a block the demonstration set leaves empty
    scribble(DatBlock::FaultHistoryA);
    DAT_Set(df::FaultSuppress, kSuppressActive);
    DAT_Set(df::MaintenanceMessage, 1);
    DAT_Set(df::CurrentCircuit, 2);
    DAT_SetSwitchingTime(1, 2, 6, 3, 1, 77);

    DAT_Init(kind);

    EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Job16, 0)), 0u);
    EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::FaultHistoryA, kHistoryEntrySize)), 0u);  // only entry 0 is set
    EXPECT_EQ(DAT_Get(df::FaultSuppress), 0u);
    EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 0u);
    EXPECT_EQ(DAT_GetCurrentCircuit(), 1);
    EXPECT_EQ(DAT_GetSwitchingTime(1, 2, 6, 3, 1), kNoTime);
    EXPECT_EQ(DAT_GetContrast(), kDefaultContrast);
    EXPECT_EQ(DAT_GetBrightness1(), PS_GetWithFallback(PsByte::SaverBrightness));
    EXPECT_EQ(DAT_GetBrightness2(), PS_GetWithFallback(PsByte::OpBrightness));
  }
}

TEST_F(Init, DemonstrationSetShowsAPlantWithTwoCircuits) {
  DAT_Init(kStartCold);
  EXPECT_EQ(DAT_Get(DAT_Word(DatBlock::Config, 0)), 0x2000u);
  EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Config, 29)), 160u);
  EXPECT_EQ(DAT_Get(df::Circuit1Present), 1u);
  EXPECT_EQ(DAT_Get(df::Circuit2Present), 2u);
  EXPECT_EQ(DAT_Flag(df::OptionFlag), 1);
  EXPECT_EQ(DAT_Flag(DAT_Bit(DatBlock::Config, 23, 6)), 1);
  EXPECT_EQ(DAT_Get(df::ReportedContrast), 26u);
  EXPECT_EQ(DAT_Get(df::MenuLanguage), 0u);
  EXPECT_EQ(DAT_Get(df::ControllerClock), uint32_t(TestHost::kDefaultStart));
  EXPECT_NE(DAT_Get(DAT_Byte(DatBlock::FaultHistoryA, 0)), 0u);
  EXPECT_NE(DAT_Get(DAT_Byte(DatBlock::FaultHistoryB, 2 * kHistoryEntrySize)), 0u);
  // Circuit 1 is selected: the per-circuit fields read its record.
  EXPECT_EQ(0,
            std::memcmp(DAT_Block(DatBlock::CurrentCircuitRecord), DAT_CircuitRecord(1), kCircuitRecordSize));
  // No message or service screen would take over the basic display.
  for (DatField f : {df::FaultIndication, df::MaintenanceIndication, df::CommissioningPending,
                     df::ClockNotSet, df::FillingActive, df::VentingActive, df::BurnerLockedOut})
    EXPECT_EQ(DAT_Flag(f), 0);
  EXPECT_FALSE(DAT_Test(df::OperationLockField, df::kOperationLocked));
}

TEST_F(Init, DefaultSwitchingTimesUseOnePeriodADay) {
  DAT_Init(kStartCold);
  const uint8_t onOfProgram[kPrograms] = {36, 33, 33};
  for (uint8_t circuit = 0; circuit < kNamedCircuitCount; ++circuit)
    for (uint8_t program = 0; program < kPrograms; ++program)
      for (uint8_t day = 0; day < kDays; ++day) {
        EXPECT_EQ(DAT_GetSwitchingTime(circuit, program, day, 0, 0), onOfProgram[program]);
        EXPECT_EQ(DAT_GetSwitchingTime(circuit, program, day, 0, 1), 132);
        for (uint8_t period = 1; period < kPeriods; ++period) {
          EXPECT_EQ(DAT_GetSwitchingTime(circuit, program, day, period, 0), kNoTime);
          EXPECT_EQ(DAT_GetSwitchingTime(circuit, program, day, period, 1), kNoTime);
        }
      }
}

TEST_F(Init, StartUpKeepsTheImageOnlyOverADailyRestart) {
  const auto startWithReason = [](uint8_t reason) {
    SYS_SetResetReason(reason);
    const StartKind kind = APP_Init();
    __enable_interrupt();
    return kind;
  };
  startWithReason(0);
  EXPECT_EQ(DAT_GetLanguage(), kStartLanguage);  // the language shown is copied in
  EXPECT_EQ(DAT_Get(df::Circuit2Present), 2u);
  scribble(DatBlock::Job16);
  EXPECT_EQ(startWithReason(kResetDaily), kStartWarm);
  EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Job16, 0)), 0xA5u);
  EXPECT_EQ(startWithReason(kResetController), kStartControllerReset);
  EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Job16, 0)), 0u);
  EXPECT_EQ(DAT_Get(df::Circuit2Present), 2u);
}

using Fields = DataImageTest;

TEST_F(Fields, ReadAndWriteOnlyTheirOwnBits) {
  DAT_ClearBlock(DatBlock::Job15);
  struct {
    DatField field;
    uint32_t value;
    uint8_t expectedBytes[5];  // bytes 10..14 of the block afterwards
  } cases[] = {
      {DAT_Bit(DatBlock::Job15, 11, 7), 1, {0, 0x80, 0, 0, 0}},
      {DAT_Bits(DatBlock::Job15, 11, 6, 4), 0xB, {0, 0xC0, 0x02, 0, 0}},  // crosses a byte boundary
      {DAT_Word(DatBlock::Job15, 12), 0x1234, {0, 0, 0x34, 0x12, 0}},     // low byte first
      {DAT_Long(DatBlock::Job15, 10), 0xDEADBEEF, {0xEF, 0xBE, 0xAD, 0xDE, 0}},
      {DAT_Bits(DatBlock::Job15, 10, 4, 32), 0xFFFFFFFF, {0xF0, 0xFF, 0xFF, 0xFF, 0x0F}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    std::memset(DAT_Block(DatBlock::Job15) + 9, 0, 7);
    DAT_Set(c.field, c.value);
    EXPECT_EQ(0, std::memcmp(DAT_Block(DatBlock::Job15) + 10, c.expectedBytes, 5));
    EXPECT_EQ(DAT_Block(DatBlock::Job15)[9], 0);
    EXPECT_EQ(DAT_Block(DatBlock::Job15)[15], 0);
    EXPECT_EQ(DAT_Get(c.field), c.value);
    EXPECT_TRUE(DAT_Test(c.field, c.value));
    EXPECT_EQ(DAT_Flag(c.field), 1);
  }
  // Setting a bit group keeps the bits around it.
  std::memset(DAT_Block(DatBlock::Job15) + 10, 0xFF, 1);
  DAT_Set(DAT_Bits(DatBlock::Job15, 10, 2, 3), 0);
  EXPECT_EQ(DAT_Block(DatBlock::Job15)[10], 0xE3);
}

TEST_F(Fields, OutsideTheirBlockReadZeroAndWriteNothing) {
  const uint16_t size = DAT_BlockSize(DatBlock::Job1);  // the blocks beside it stay untouched
  std::memset(DAT_Block(DatBlock::Job1), 0x5A, size);
  std::memset(DAT_Block(DatBlock::Job2Short), 0x5A, DAT_BlockSize(DatBlock::Job2Short));
  const DatField bad[] = {
      DAT_Byte(DatBlock::Job1, uint8_t(size)),
      DAT_Word(DatBlock::Job1, uint8_t(size - 1)),
      DAT_Bits(DatBlock::Job1, uint8_t(size - 1), 4, 8),
      DAT_Bits(DatBlock::Job1, 0, 8, 1),
      DAT_Bits(DatBlock::Job1, 0, 0, 0),
      DAT_Bits(DatBlock::Job1, 0, 0, 33),
      DAT_Byte(DatBlock::Count, 0),
  };
  for (DatField f : bad) {
    EXPECT_EQ(DAT_Get(f), 0u);
    DAT_Set(f, 0);
  }
  for (uint16_t i = 0; i < size; ++i) EXPECT_EQ(DAT_Block(DatBlock::Job1)[i], 0x5A);
  EXPECT_EQ(DAT_Block(DatBlock::Job2Short)[0], 0x5A);
}

TEST_F(Fields, PerCircuitFieldFollowsTheCurrentCircuit) {
  DAT_Init(kStartCold);
  const DatCircuitField f{DAT_Byte(DatBlock::Job24, 20), DAT_Byte(DatBlock::Job24, 21)};
  DAT_SetForCircuit(f, 11);
  DAT_ChangeCircuit(2);
  DAT_SetForCircuit(f, 22);
  EXPECT_EQ(DAT_GetForCircuit(f), 22u);
  DAT_ChangeCircuit(1);
  EXPECT_EQ(DAT_GetForCircuit(f), 11u);
}

using Circuits = DataImageTest;

void fillRecord(uint8_t circuit, uint8_t value) {
  std::memset(DAT_CircuitRecord(circuit), value, kCircuitRecordSize);
  std::memset(DAT_Block(DatBlock::Status) + 8 + (circuit - 1) * 4, value, 4);
}

TEST_F(Circuits, SelectionCopiesRecordStatusGroupAndDates) {
  DAT_Init(kStartCold);
  fillRecord(1, 0x11);
  fillRecord(2, 0x22);
  // 2027-07-10 and 2027-07-24 as seconds at record bytes 14 and 18.
  const uint8_t dates[8] = {0x80, 0x69, 0x31, 0x6C, 0x80, 0xDE, 0x43, 0x6C};
  std::memcpy(DAT_CircuitRecord(1) + kRecordDate1Offset, dates, sizeof dates);

  DAT_SelectCircuit(1);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitRecord)[0], 0x11);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitStatus)[3], 0x11);
  EXPECT_EQ(DAT_CircuitDate(0)->year, 2027);
  EXPECT_EQ(DAT_CircuitDate(0)->month, 7);
  EXPECT_EQ(DAT_CircuitDate(0)->day, 10);
  EXPECT_EQ(DAT_CircuitDate(1)->day, 24);

  DAT_SelectCircuit(2);  // not current: the answer of another circuit leaves the copy alone
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitRecord)[0], 0x11);
  DAT_SelectCircuit(0);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitRecord)[0], 0x11);
  EXPECT_TRUE(restartReasons().empty());

  DAT_Set(df::CurrentCircuit, 0);  // no circuit current: any circuit is taken
  DAT_SelectCircuit(2);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitRecord)[27], 0x22);
  EXPECT_EQ(DAT_Block(DatBlock::CurrentCircuitStatus)[0], 0x22);
}

TEST_F(Circuits, CircuitThreeOrMoreRestartsTheUnit) {
  DAT_Init(kStartCold);
  fillRecord(3, 0x33);
  DAT_SelectCircuit(3);
  DAT_SelectCircuit(200);
  EXPECT_EQ(restartReasons(), (std::vector<uint32_t>{kResetCircuitSelect, kResetCircuitSelect}));
  EXPECT_NE(DAT_Block(DatBlock::CurrentCircuitRecord)[0], 0x33);

  DAT_Set(df::CurrentCircuit, 3);
  DAT_WriteBackCircuit();
  EXPECT_EQ(restartReasons(), std::vector<uint32_t>{kResetCircuitWriteBack});
  EXPECT_EQ(DAT_CircuitRecord(3)[0], 0x33);
}

TEST_F(Circuits, ChangingTheCurrentRecordWritesItBack) {
  DAT_Init(kStartCold);
  DAT_ChangeCircuit(2);
  DAT_Set(DAT_Byte(DatBlock::CurrentCircuitRecord, 9), 0x5C);
  DAT_Set(DAT_Bit(DatBlock::CurrentCircuitStatus, 2, 3), 1);
  EXPECT_EQ(DAT_CircuitRecord(2)[9], 0x5C);
  EXPECT_EQ(DAT_Get(DAT_Byte(DatBlock::Status, 8 + 4 + 2)) & 0x08, 0x08u);
  EXPECT_NE(DAT_CircuitRecord(1)[9], 0x5C);
  EXPECT_TRUE(restartReasons().empty());

  DAT_Set(df::CurrentCircuit, 0);  // no circuit: nothing to write back to
  DAT_Set(DAT_Byte(DatBlock::CurrentCircuitRecord, 9), 0x01);
  EXPECT_EQ(DAT_CircuitRecord(2)[9], 0x5C);
  EXPECT_TRUE(restartReasons().empty());
}

using Messages = DataImageTest;

TEST_F(Messages, LocalClearSuppressesTheIndicationUntilTheNextStart) {
  DAT_Init(kStartCold);
  DAT_Set(df::FaultIndication, 1);
  DAT_Set(df::MaintenanceIndication, 1);
  DAT_SetFaultMessage(1);
  DAT_SetMaintenanceMessage(1);

  DAT_ClearFaultIndication();
  EXPECT_EQ(DAT_Get(df::FaultMessage), 0u);
  EXPECT_EQ(DAT_Flag(df::FaultIndication), 0);
  EXPECT_EQ(DAT_Get(df::FaultSuppress), kSuppressActive);
  EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 1u);  // the other message is untouched
  EXPECT_EQ(DAT_Flag(df::MaintenanceIndication), 1);

  DAT_ClearMaintenanceIndication();
  EXPECT_EQ(DAT_Get(df::MaintenanceMessage), 0u);
  EXPECT_EQ(DAT_Flag(df::MaintenanceIndication), 0);
  EXPECT_EQ(DAT_Get(df::MaintenanceSuppress), kSuppressActive);

  DAT_Init(kStartWarm);
  EXPECT_EQ(DAT_Get(df::FaultSuppress), kSuppressActive);
  DAT_Init(kStartControllerReset);
  EXPECT_EQ(DAT_Get(df::FaultSuppress), 0u);
  EXPECT_EQ(DAT_Get(df::MaintenanceSuppress), 0u);
}

}  // namespace
