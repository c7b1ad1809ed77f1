// Scenario files are user input: whatever bytes they hold, loading them ends
// in a scenario or a clear error, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  Scenario scenario;
  std::string error;
  if (!SIM_ParseScenario(text, "fuzz.yaml", &scenario, &error) && error.rfind("fuzz.yaml:", 0) != 0)
    __builtin_trap();
  return 0;
}
