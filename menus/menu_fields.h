// Values of the controller data image that the menus read, beyond the
// shared field table, and the conditions the menus derive from them.
#pragma once

#include <cstdint>

#include "data/data_fields.h"
#include "data/data_image.h"

namespace mf {

using B = DatBlock;

// Status record.
inline constexpr DatField SecondFaultIndication = DAT_Bit(B::Status, 0, 2);
inline constexpr DatField MaintenanceNotReset = DAT_Bit(B::Status, 0, 4);

// Boiler values (job 0): temperature in half degrees Celsius.
inline constexpr DatField BoilerTemperature = DAT_Byte(B::Job0, 2);
inline constexpr DatField BoilerSensorFault = DAT_Bit(B::Job0, 10, 0);
inline constexpr DatField BurnerStage1 = DAT_Bit(B::Job0, 0, 0);
inline constexpr DatField BurnerStage2 = DAT_Bit(B::Job0, 0, 1);

// Configuration (job 10).
inline constexpr DatField HotWaterPresent = DAT_Bit(B::Config, 4, 0);
inline constexpr DatField HotWaterStorage = DAT_Bit(B::Config, 14, 0);
inline constexpr DatField DefaultCircuit = DAT_Byte(B::Config, 20);
inline constexpr DatField LockByte = DAT_Byte(B::Config, 5);

// Solar module identification (job 24).
inline constexpr DatField SolarModuleId = DAT_Byte(B::Job24, 1);
inline constexpr uint8_t kSolarModulePresent = 0x63;

// Unit settings: temperature unit, set = Fahrenheit.
inline constexpr DatField FahrenheitUnit = DAT_Bit(B::Job2Short, 0, 0);

// Current circuit record: operating program word and the room set-point.
inline constexpr DatField OperatingProgram = DAT_Bits(B::CurrentCircuitRecord, 3, 0, 3);
inline constexpr DatField EconomyMode = DAT_Bit(B::CurrentCircuitRecord, 3, 3);
inline constexpr DatField PartyMode = DAT_Bit(B::CurrentCircuitRecord, 3, 4);
inline constexpr DatField RoomSetTemperature = DAT_Byte(B::CurrentCircuitRecord, 4);

}  // namespace mf

bool MF_FaultPending();
bool MF_AnyFaultIndication();
bool MF_MaintenanceDue();
bool MF_HotWater();
bool MF_Solar();
// Operation locked by the controller (ignores service mode).
bool MF_OperationLocked();
// Operation locked while service mode is off.
bool MF_LockedForUser();
bool MF_MenusMayOpen();
bool MF_BurnerOn();
bool MF_Fahrenheit();
uint8_t MF_CircuitCount();
uint8_t MF_DefaultCircuit();
// Boiler temperature rounded to whole degrees.
int MF_BoilerCelsius();
bool MF_BoilerValid();
