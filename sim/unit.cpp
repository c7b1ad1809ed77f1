#include "sim/unit.h"

#include "kernel/app.h"

void SIM_RunUnit(HostServices& host) {
  HOST_Install(&host);
  APP_ProcessReset();
  APP_MainTask();
}
