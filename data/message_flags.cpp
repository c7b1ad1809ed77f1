// Fault and maintenance message flags and their suppression.
#include "data/data_fields.h"
#include "data/data_image.h"

namespace {

// The flag goes down with its indication in the stored status, and the
// suppress flag keeps later status records from raising it again.
void clearIndication(DatField message, DatField indication, DatField suppress) {
  DAT_Set(message, 0);
  DAT_Set(indication, 0);
  DAT_Set(suppress, kSuppressActive);
}

}  // namespace

void DAT_SetFaultMessage(uint8_t value) { DAT_Set(df::FaultMessage, value); }
void DAT_SetMaintenanceMessage(uint8_t value) { DAT_Set(df::MaintenanceMessage, value); }

void DAT_ClearFaultIndication() { clearIndication(df::FaultMessage, df::FaultIndication, df::FaultSuppress); }

void DAT_ClearMaintenanceIndication() {
  clearIndication(df::MaintenanceMessage, df::MaintenanceIndication, df::MaintenanceSuppress);
}
