#include "menus/menu_fields.h"

#include "data/dis_jobs.h"
#include "menus/menu_state.h"

bool MF_FaultPending() { return DAT_Flag(df::FaultIndication) != 0; }
bool MF_AnyFaultIndication() { return MF_FaultPending() || DAT_Flag(mf::SecondFaultIndication) != 0; }
bool MF_MaintenanceDue() {
  return DAT_Flag(df::MaintenanceIndication) != 0 || DAT_Flag(mf::MaintenanceNotReset) != 0;
}
bool MF_HotWater() { return DAT_Flag(mf::HotWaterPresent) != 0 || DAT_Flag(mf::HotWaterStorage) != 0; }
bool MF_Solar() { return DAT_Test(mf::SolarModuleId, mf::kSolarModulePresent); }
bool MF_OperationLocked() { return DAT_Test(df::OperationLockField, df::kOperationLocked); }
bool MF_LockedForUser() { return MF_OperationLocked() && MEN_Flags().serviceMode == 0; }
bool MF_MenusMayOpen() { return DAT_Get(mf::LockByte) < 16; }
bool MF_BurnerOn() { return DAT_Flag(mf::BurnerStage1) != 0 || DAT_Flag(mf::BurnerStage2) != 0; }
bool MF_Fahrenheit() { return DAT_Flag(mf::FahrenheitUnit) != 0; }

uint8_t MF_CircuitCount() {
  return static_cast<uint8_t>((DIS_CircuitPresent(1) ? 1 : 0) + (DIS_CircuitPresent(2) ? 1 : 0));
}

uint8_t MF_DefaultCircuit() {
  const uint32_t circuit = DAT_Get(mf::DefaultCircuit);
  return static_cast<uint8_t>(circuit == 2 ? 2 : 1);
}

int MF_BoilerCelsius() {
  const int halves = static_cast<int>(DAT_Get(mf::BoilerTemperature));
  return (halves + 1) / 2;
}

bool MF_BoilerValid() { return DAT_Flag(mf::BoilerSensorFault) == 0; }
