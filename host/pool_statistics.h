// Statistics of the graphics layer's memory pool for the system
// information window.
#pragma once

struct PoolStatistics {
  bool available = false;  // false while the graphics layer offers none
  int freeBytes = 0;
  int usedBytes = 0;
  int freeBlocks = 0;
  int usedBlocks = 0;
};

// The one place that asks the graphics layer; until its pool reports
// statistics this answers "not available".
PoolStatistics HOST_ReadPoolStatistics();
