// Command line of the desktop program.
#pragma once

#include <optional>
#include <string>

struct HostOptions {
  std::optional<int> language;  // 0..18, applied at every start of the unit
  int zoom = 1;                 // 1..4
  int speed = 1;                // 1, 10 or 60
  bool frameWindow = false;     // frame window instead of the device window
  bool trace = false;           // state machine traces on standard error
  bool noMessageBoxes = false;
  bool controller = false;         // simulated controller on the bus from the start
  std::optional<int> quitAfterMs;  // end the program after this time
  std::string grabFile;            // with --quit-after: picture of the main window at the end
  std::string servicePort = "pty";

  // Error message boxes would block an unattended run: they are off when
  // asked for, and with every option that only makes sense unattended.
  bool messageBoxesWanted() const { return !noMessageBoxes && !quitAfterMs && grabFile.empty(); }
};

// Returns an exit code to leave with (0 after --help, 2 on a usage error),
// or nothing to go on.
std::optional<int> HOST_ParseOptions(int argc, char** argv, HostOptions* options);
