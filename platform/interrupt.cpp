#include "platform/interrupt.h"

#include <mutex>

#include "platform/host_services.h"
#include "platform/trace.h"

namespace {

// Host critical sections. When the host drives the firmware from a single
// thread there is nobody to exclude, and the locks are skipped: a virtual
// day then does not cost millions of mutex round-trips.
struct Locks {
  std::recursive_mutex interruptLock;
  std::recursive_mutex routineLock;
};

Locks locks;
bool locksCreated = false;
bool useHostLocks = true;
int32_t nesting = 0;
// How often this thread holds the interrupt lock, so that an unbalanced
// enable only traces and never releases a lock the thread does not own.
thread_local int32_t heldByThisThread = 0;

}  // namespace

void IRQ_InitLocks() {
  if (locksCreated) return;
  nesting = 0;
  useHostLocks = !HOST().singleThreaded();
  locksCreated = true;
}

void __disable_interrupt() {
  if (useHostLocks) {
    locks.interruptLock.lock();
    ++heldByThisThread;
  }
  ++nesting;
  if (nesting != 1) TRC_Printf("\nFATAL ERROR: IAR_Intrinsics __disable_interrupt() %d", nesting);
}

void __enable_interrupt() {
  const int32_t old = nesting--;
  if (old != 1) TRC_Printf("\nFATAL ERROR: IAR_Intrinsics __enable_interrupt() %d", nesting);
  if (useHostLocks && heldByThisThread > 0) {
    --heldByThisThread;
    locks.interruptLock.unlock();
  }
}

void IRQ_EnterRoutine() {
  if (useHostLocks) locks.routineLock.lock();
  __disable_interrupt();
}

void IRQ_LeaveRoutine() {
  __enable_interrupt();
  if (useHostLocks) locks.routineLock.unlock();
}

int32_t IRQ_NestingCount() { return nesting; }

void IRQ_ProcessReset() {
  locksCreated = false;
  nesting = 0;
  useHostLocks = true;
}
