// Handle-based memory pool of the graphics layer (1000 bytes, 32 handles).
#pragma once

#include <cstdint>

using GUI_HMEM = int16_t;
constexpr GUI_HMEM GUI_HMEM_NULL = 0;

constexpr int kGuiAllocPoolBytes = 1000;
constexpr int kGuiAllocHandles = 32;

// A handle for a block of at least `bytes` bytes, or 0 when the pool cannot hold it.
GUI_HMEM GUI_ALLOC_Alloc(uint32_t bytes);
void GUI_ALLOC_Free(GUI_HMEM handle);
// The block's memory; valid until the next allocation unless the pool is locked.
void* GUI_ALLOC_h2p(GUI_HMEM handle);
// While locked, allocations never move blocks.
void GUI_ALLOC_Lock();
void GUI_ALLOC_Unlock();

struct GUI_ALLOC_Stats {
  int bytesFree;
  int bytesUsed;
  int blocksFree;
  int blocksUsed;
  int largestFree;
};
GUI_ALLOC_Stats GUI_ALLOC_GetStats();
// Back to the state before first use (tests and restarts).
void GUI_ALLOC_Reset();
