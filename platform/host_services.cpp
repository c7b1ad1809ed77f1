#include "platform/host_services.h"

#include "platform/trace.h"

namespace {
HostServices* installedHost = nullptr;
}

void HOST_Install(HostServices* host) { installedHost = host; }

HostServices& HOST() { return *installedHost; }

void HostServices::reportError(const char* message) { TRC_Printf("%s", message); }
