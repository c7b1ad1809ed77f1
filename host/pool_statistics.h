// Statistics of the graphics layer's memory pool for the system
// information window.
#pragma once

struct PoolStatistics {
  bool available = false;  // false until the unit has published them once
  int freeBytes = 0;
  int usedBytes = 0;
  int freeBlocks = 0;
  int usedBlocks = 0;
};

// Application thread (after each panel refresh): takes the pool's figures.
// The pool is walked only there, never while the unit may be changing it.
void HOST_PublishPoolStatistics();
// Any thread: the figures last published.
PoolStatistics HOST_ReadPoolStatistics();
