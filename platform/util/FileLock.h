#pragma once
// Load-modify-save runs on the files of one folder, serialized across
// programs: an exclusive advisory lock (flock) on the folder itself, held
// from construction to destruction. The folder rather than each file is
// locked, since every save replaces its file by a new one. Runs are short
// and never nest: a process holds at most one such lock at a time.

#include <filesystem>

namespace gw::platform {

class FolderLock {
 public:
  // Waits for the lock of the folder that holds `file`. A folder that cannot
  // be opened or locked leaves the run unlocked (Held() false): the save
  // that follows then fails or succeeds on its own.
  explicit FolderLock(const std::filesystem::path& file);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace gw::platform
