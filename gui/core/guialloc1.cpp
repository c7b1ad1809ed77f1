// Handle-based memory pool.
//
// A block is a header (owner handle, block size, free-list links), the
// payload and a trailer word repeating the size, so that a freed block finds
// both neighbours. Free blocks sit on one of 16 lists by size class (at
// least 32 << i bytes); their payload keeps the fill of the free.
#include <algorithm>
#include <cstring>

#include "gui/core/gui.h"
#include "gui/core/gui_alloc.h"

namespace {

constexpr int kHeaderBytes = 8;
constexpr int kTrailerBytes = 4;
constexpr int kOverhead = kHeaderBytes + kTrailerBytes;
constexpr int kMinPayload = 32;
constexpr int kMinBlock = kMinPayload + kOverhead;
constexpr int kClassCount = 16;
constexpr int kNone = -1;
constexpr int kHandleSlots = kGuiAllocHandles + 1;  // entry 0 is never handed out
constexpr uint8_t kFreedFill = 0xCC;

struct BlockHeader {
  int16_t handle;  // 0 while the block is free
  int16_t size;
  int16_t prev;  // free-list links, kNone at the ends
  int16_t next;
};
struct HandleEntry {
  int32_t offset;  // of the block; kept after freeing
  int16_t nextFree;
  bool inUse;
};

alignas(8) uint8_t Pool[kGuiAllocPoolBytes];
HandleEntry Handles[kHandleSlots];
int FreeLists[kClassCount];
int FirstFreeHandle;
int FreeHandleCount;
int LockCount;
bool Initialised;

BlockHeader& header(int offset) { return *reinterpret_cast<BlockHeader*>(Pool + offset); }
int32_t& trailer(int offset) {
  return *reinterpret_cast<int32_t*>(Pool + offset + header(offset).size - kTrailerBytes);
}

int sizeClass(int size) {
  int i = 0;
  while (i + 1 < kClassCount && (kMinPayload << (i + 1)) <= size) ++i;
  return i;
}

void unlinkFree(int offset) {
  const BlockHeader h = header(offset);
  if (h.prev != kNone) {
    header(h.prev).next = h.next;
  } else {
    FreeLists[sizeClass(h.size)] = h.next;
  }
  if (h.next != kNone) header(h.next).prev = h.prev;
}

// Makes [offset, offset + size) one free block on its list.
void makeFree(int offset, int size) {
  int& list = FreeLists[sizeClass(size)];
  header(offset) = BlockHeader{0, static_cast<int16_t>(size), kNone, static_cast<int16_t>(list)};
  trailer(offset) = size;
  if (list != kNone) header(list).prev = static_cast<int16_t>(offset);
  list = offset;
}

void initialise() {
  for (int i = 0; i < kHandleSlots; ++i) Handles[i] = HandleEntry{0, static_cast<int16_t>(i + 1), false};
  FirstFreeHandle = 1;
  FreeHandleCount = kGuiAllocHandles;
  std::fill(FreeLists, FreeLists + kClassCount, kNone);
  makeFree(0, kGuiAllocPoolBytes);
  LockCount = 0;
  Initialised = true;
}

void ensureInitialised() {
  if (!Initialised) initialise();
}

int findFree(int need) {
  // Start at the largest class whose lower bound is below the need.
  int first = 0;
  while (first + 1 < kClassCount && (kMinPayload << (first + 1)) < need) ++first;
  for (int c = first; c < kClassCount; ++c) {
    for (int offset = FreeLists[c]; offset != kNone; offset = header(offset).next) {
      if (header(offset).size >= need) return offset;
    }
  }
  return kNone;
}

// Moves the used blocks together at the start and leaves one free block behind them.
void compact() {
  int write = 0;
  for (int read = 0; read < kGuiAllocPoolBytes;) {
    const BlockHeader h = header(read);
    if (h.handle != 0) {
      if (read != write) std::memmove(Pool + write, Pool + read, static_cast<size_t>(h.size));
      Handles[h.handle].offset = write;
      write += h.size;
    }
    read += h.size;
  }
  std::fill(FreeLists, FreeLists + kClassCount, kNone);
  if (write < kGuiAllocPoolBytes) makeFree(write, kGuiAllocPoolBytes - write);
}

bool isUsedHandle(GUI_HMEM handle) {
  return handle > 0 && handle <= kGuiAllocHandles && Handles[handle].inUse;
}

void reportPoolError(const char* message) { GUI_ReportError(message); }

}  // namespace

GUI_HMEM GUI_ALLOC_Alloc(uint32_t bytes) {
  ensureInitialised();
  if (FreeHandleCount == 0 || bytes > kGuiAllocPoolBytes) return GUI_HMEM_NULL;
  const int need = std::max(kMinPayload, static_cast<int>((bytes + 3) & ~3u)) + kOverhead;
  int offset = findFree(need);
  if (offset == kNone && LockCount == 0) {
    compact();
    offset = findFree(need);
  }
  if (offset == kNone) return GUI_HMEM_NULL;
  unlinkFree(offset);
  const int size = header(offset).size;
  int used = size;
  if (size - need >= kMinBlock) {
    used = need;
    makeFree(offset + need, size - need);
  }
  const GUI_HMEM handle = static_cast<GUI_HMEM>(FirstFreeHandle);
  FirstFreeHandle = Handles[handle].nextFree;
  --FreeHandleCount;
  Handles[handle].offset = offset;
  Handles[handle].inUse = true;
  header(offset) = BlockHeader{handle, static_cast<int16_t>(used), kNone, kNone};
  trailer(offset) = used;
  return handle;
}

void GUI_ALLOC_Free(GUI_HMEM handle) {
  if (handle == GUI_HMEM_NULL) return;
  ensureInitialised();
  if (!isUsedHandle(handle)) {
    reportPoolError("Block already free");
    return;
  }
  int offset = Handles[handle].offset;
  int size = header(offset).size;
  std::memset(Pool + offset + kHeaderBytes, kFreedFill, static_cast<size_t>(size - kOverhead));
  const int next = offset + size;
  if (next < kGuiAllocPoolBytes && header(next).handle == 0) {
    unlinkFree(next);
    size += header(next).size;
  }
  if (offset > 0) {
    const int previousSize = *reinterpret_cast<int32_t*>(Pool + offset - kTrailerBytes);
    const int previous = offset - previousSize;
    if (header(previous).handle == 0) {
      unlinkFree(previous);
      offset = previous;
      size += previousSize;
    }
  }
  makeFree(offset, size);
  Handles[handle].inUse = false;
  Handles[handle].nextFree = static_cast<int16_t>(FirstFreeHandle);
  FirstFreeHandle = handle;
  ++FreeHandleCount;
}

void* GUI_ALLOC_h2p(GUI_HMEM handle) {
  ensureInitialised();
  if (handle == GUI_HMEM_NULL) {
    reportPoolError("\ngui\\core\\guialloc1 GUI_ALLOC_h2p: illegal argument (0 handle)");
    return nullptr;
  }
  if (!isUsedHandle(handle)) {
    reportPoolError("Dereferencing free block");
    // A handle outside the table has no block to point to.
    if (handle < 0 || handle > kGuiAllocHandles) return nullptr;
  }
  return Pool + Handles[handle].offset + kHeaderBytes;
}

void GUI_ALLOC_Lock() { ++LockCount; }
void GUI_ALLOC_Unlock() {
  if (LockCount > 0) --LockCount;
}

GUI_ALLOC_Stats GUI_ALLOC_GetStats() {
  ensureInitialised();
  int freeTotal = 0;
  int largest = 0;
  for (int offset = 0; offset < kGuiAllocPoolBytes; offset += header(offset).size) {
    if (header(offset).handle != 0) continue;
    freeTotal += header(offset).size;
    largest = std::max(largest, static_cast<int>(header(offset).size));
  }
  // Without a free block there is nothing left, not a negative amount.
  return GUI_ALLOC_Stats{std::max(0, freeTotal - kOverhead), kGuiAllocPoolBytes - freeTotal, FreeHandleCount,
                         kHandleSlots - FreeHandleCount, std::max(0, largest - kOverhead)};
}

void GUI_ALLOC_Reset() { Initialised = false; }
