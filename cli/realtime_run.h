// A run of the unit on the real-time driver, until interrupted.
#pragma once

#include "cli/cli_options.h"

int CLI_RunRealtime(const CliOptions& options);
