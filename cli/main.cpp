// kalvero-cli: the headless runner of the operating unit.
#include "cli/catalogue.h"
#include "cli/cli_options.h"
#include "cli/realtime_run.h"
#include "cli/virtual_run.h"
#include "sim/start_language.h"

int main(int argc, char** argv) {
  CliOptions options;
  if (const auto exitCode = CLI_Parse(argc, argv, &options)) return *exitCode;
  if (!options.catalogueDirectory.empty())
    return CLI_WriteCatalogue(options.catalogueDirectory, options.language);
  SIM_SetStartLanguage(options.language);
  return options.realtime ? CLI_RunRealtime(options) : CLI_RunVirtual(options);
}
