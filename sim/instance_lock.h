// The desktop program's "only one simulation at a time" lock: an advisory
// file lock, which the kernel drops with the process, so a crash never
// leaves a stale lock behind.
#pragma once

#include <string>

#include "platform/host_services.h"

class InstanceLockFile {
 public:
  InstanceLockFile() = default;
  ~InstanceLockFile();
  InstanceLockFile(const InstanceLockFile&) = delete;
  InstanceLockFile& operator=(const InstanceLockFile&) = delete;

  // `directory` empty: $XDG_RUNTIME_DIR, else the temp directory.
  InstanceLock acquire(const std::string& name, const std::string& directory = {});
  void release();
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};
