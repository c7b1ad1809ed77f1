#include "gui/core/gui.h"
#include "platform/host_services.h"

void GUI_ReportError(const char* message) { HOST().reportError(message); }
