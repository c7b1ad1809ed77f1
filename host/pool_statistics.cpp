#include "host/pool_statistics.h"

PoolStatistics HOST_ReadPoolStatistics() {
  // The graphics layer's pool does not publish its statistics yet; wire
  // them in here when it does.
  return {};
}
