#include "sim/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace {
std::string defaultDirectory() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0)
    return runtime;
  return std::filesystem::temp_directory_path().string();
}
}  // namespace

InstanceLockFile::~InstanceLockFile() { release(); }

InstanceLock InstanceLockFile::acquire(const std::string& name, const std::string& directory) {
  release();
  const std::string dir = directory.empty() ? defaultDirectory() : directory;
  path_ = dir + "/" + name + "-" + std::to_string(getuid()) + ".lock";
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return InstanceLock::Failed;
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return InstanceLock::Acquired;
  const bool held = errno == EWOULDBLOCK;
  ::close(fd_);
  fd_ = -1;
  return held ? InstanceLock::AlreadyRunning : InstanceLock::Failed;
}

void InstanceLockFile::release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing the descriptor drops the lock
  fd_ = -1;
}
