#include "host/host_options.h"

#include <CLI/CLI.hpp>

std::optional<int> HOST_ParseOptions(int argc, char** argv, HostOptions* options) {
  CLI::App app{"kalvero-sim: the operating unit of the Kalvero 200 KM3D on the desktop"};
  int language = -1;
  int quitAfter = -1;
  app.add_option("--lang", language, "Language 0..18 at every start of the unit")->check(CLI::Range(0, 18));
  app.add_option("--zoom", options->zoom, "LCD magnification 1..4")->check(CLI::Range(1, 4));
  app.add_option("--speed", options->speed, "Unit time speed 1, 10 or 60")->check(CLI::IsMember({1, 10, 60}));
  app.add_flag("--frame", options->frameWindow, "Frame window with LCD, colour and log frames");
  app.add_flag("--trace", options->trace, "State machine traces on standard error");
  app.add_flag("--no-message-boxes", options->noMessageBoxes, "Errors go to the log and SimError.log only");
  app.add_option("--quit-after", quitAfter, "End after this many milliseconds (no message boxes)")
      ->check(CLI::Range(0, 24 * 3600 * 1000));
  app.add_option("--grab", options->grabFile, "With --quit-after: save the main window as PNG at the end");
  app.add_flag("--controller", options->controller, "Connect the simulated boiler controller at start");
  app.add_option("--service-port", options->servicePort, "pty (default), none, or a serial device path");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  if (language >= 0) options->language = language;
  if (quitAfter >= 0) options->quitAfterMs = quitAfter;
  return std::nullopt;
}
