// The screens of the catalogue and the key presses that reach each one
// from a fresh start of the unit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CatalogueStep {
  uint64_t atMs;      // virtual time of the step
  int hardkey;        // pressed for 100 ms (or held for `holdMs`), -1: none
  uint32_t holdMs;    // 0: a short press
  bool requestSaver;  // sets the screen-saver request and makes the basic display choose again
};

struct CatalogueScreen {
  std::string name;         // file name part
  std::string description;  // caption in the index
  std::vector<CatalogueStep> steps;
  uint64_t snapshotMs;  // when the picture is taken
};

const std::vector<CatalogueScreen>& CLI_CatalogueScreens();
