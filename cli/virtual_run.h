// A run of the unit in virtual time, with or without a scenario.
#pragma once

#include "cli/cli_options.h"

// Returns the exit code: 0 passed, 1 an expectation failed, 2 a usage or scenario error.
int CLI_RunVirtual(const CliOptions& options);
