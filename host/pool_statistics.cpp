#include "host/pool_statistics.h"

#include <mutex>

#include "gui/core/gui_alloc.h"

namespace {

std::mutex mutex;
PoolStatistics published;

}  // namespace

void HOST_PublishPoolStatistics() {
  const GUI_ALLOC_Stats stats = GUI_ALLOC_GetStats();
  std::lock_guard<std::mutex> lock(mutex);
  published = {true, stats.bytesFree, stats.bytesUsed, stats.blocksFree, stats.blocksUsed};
}

PoolStatistics HOST_ReadPoolStatistics() {
  std::lock_guard<std::mutex> lock(mutex);
  return published;
}
