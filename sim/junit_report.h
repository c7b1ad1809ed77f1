// JUnit XML for CI systems: one test case per scenario step.
#pragma once

#include <string>
#include <vector>

#include "sim/scenario.h"
#include "sim/scenario_runner.h"

bool SIM_WriteJUnit(const std::string& path, const Scenario& scenario,
                    const std::vector<StepOutcome>& outcomes, std::string* error);
std::string SIM_JUnitXml(const Scenario& scenario, const std::vector<StepOutcome>& outcomes);
