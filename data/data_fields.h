// The named values of the controller data image: where each one lives.
// Read them with DAT_Get / DAT_Flag / DAT_Test and write them with DAT_Set.
// A new value the menus need is one more line here.
#pragma once

#include "data/data_image.h"

namespace df {

using B = DatBlock;

// Status record.
inline constexpr DatField StatusWord = DAT_Word(B::Status, 0);
inline constexpr DatField FaultIndication = DAT_Bit(B::Status, 0, 1);
inline constexpr DatField EventReported = DAT_Bit(B::Status, 0, 3);          // reported by signal 198
inline constexpr DatField DailyRestartRequest = DAT_Bit(B::Status, 1, 5);    // status word bit 13
inline constexpr DatField MaintenanceIndication = DAT_Bit(B::Status, 1, 6);  // bit 14
inline constexpr DatField ResetRequest = DAT_Bit(B::Status, 1, 7);           // bit 15
inline constexpr DatField BurnerParametrisation = DAT_Bit(B::Status, 5, 0);
inline constexpr DatField Calibration = DAT_Bit(B::Status, 5, 1);
inline constexpr DatField StatusByte7 = DAT_Byte(B::Status, 7);
inline constexpr DatField StatusByte7Value = DAT_Bits(B::Status, 7, 0, 4);
inline constexpr DatField FlueGasCheck = DAT_Bit(B::Status, 7, 4);
inline constexpr DatField StatusEventBit = DAT_Bit(B::Status, 7, 5);
inline constexpr DatField PreviousStatusWord = DAT_Word(B::PreviousStatusWord, 0);
inline constexpr DatField PreviousStatusByte7 = DAT_Byte(B::PreviousStatusByte7, 0);
inline constexpr DatField BurnerLockedOut = DAT_Bit(B::PreviousStatusByte7, 0, 5);

// Settings blocks of jobs 1 and 2.
inline constexpr DatField BrightnessValue1 = DAT_Byte(B::Job1, 5);
inline constexpr DatField BrightnessValue2 = DAT_Byte(B::Job1, 6);
inline constexpr DatField ReportedContrast = DAT_Byte(B::Job2Short, 4);
inline constexpr DatField MenuLanguage = DAT_Byte(B::Job2Short, 5);
inline constexpr DatField ControllerClock = DAT_Long(B::Job2Short, 6);

// Configuration (job 10).
inline constexpr DatField Circuit1Present = DAT_Bits(B::Config, 23, 0, 2);
inline constexpr DatField Circuit2Present = DAT_Bits(B::Config, 23, 2, 2);
inline constexpr DatField OptionFlag = DAT_Bit(B::Config, 23, 7);
inline constexpr DatField ConfigByte24 = DAT_Byte(B::Config, 24);
inline constexpr DatField OperationLockField = DAT_Bits(B::Config, 5, 4, 4);
inline constexpr uint8_t kOperationLocked = 1;

// Job 15 block.
inline constexpr DatField ClockNotSet = DAT_Bit(B::Job15, 0, 7);
inline constexpr DatField CommissioningPending = DAT_Bit(B::Job15, 1, 5);
inline constexpr DatField VentingActive = DAT_Bit(B::Job15, 13, 5);
inline constexpr DatField FillingActive = DAT_Bit(B::Job15, 13, 6);

// Local state.
inline constexpr DatField CurrentCircuit = DAT_Byte(B::Local, kLocalCurrentCircuit);
inline constexpr DatField DayGroup = DAT_Byte(B::Local, kLocalDayGroup);
inline constexpr DatField TimeProgram = DAT_Byte(B::Local, kLocalProgram);
inline constexpr DatField SelectedPeriod = DAT_Byte(B::Local, kLocalPeriod);
inline constexpr DatField FaultMessage = DAT_Byte(B::Local, kLocalFaultMessage);
inline constexpr DatField MaintenanceMessage = DAT_Byte(B::Local, kLocalMaintenanceMessage);
inline constexpr DatField FaultSuppress = DAT_Byte(B::Local, kLocalFaultSuppress);
inline constexpr DatField MaintenanceSuppress = DAT_Byte(B::Local, kLocalMaintenanceSuppress);
inline constexpr DatField EventSuppress = DAT_Byte(B::Local, kLocalEventSuppress);

}  // namespace df
