#include "platform/host_services.h"

namespace {
HostServices* installedHost = nullptr;
}

void HOST_Install(HostServices* host) { installedHost = host; }

HostServices& HOST() { return *installedHost; }
