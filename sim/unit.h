// Boots the unit's firmware in this process on a given host.
#pragma once

#include "platform/host_services.h"

// Resets every piece of firmware state that would otherwise survive from an
// earlier run in this process, installs the host and runs the application
// thread's entry until the host asks it to stop.
void SIM_RunUnit(HostServices& host);
