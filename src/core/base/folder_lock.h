// Runs that write the same folder take turns. A run that rewrites the
// derived files of a folder (preparation, word lists, matrices) holds the
// folder's lock file ".lumeral-trava" (an advisory lock of the system, let
// go by the kernel when the process ends however it ends) for as long as it
// writes. A second run on that folder, from this program or another, says
// which run holds it and waits for it, checking for a cancel meanwhile, so
// two runs never leave one's records followed by the other's.
//
// Within one process the lock is shared: a road that locks a folder may
// call another that locks it again. A folder where the lock file cannot be
// made (read-only, another owner's) is not locked: nothing will be written
// there, and the write itself reports why.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/progress.h"

namespace lumeral {

namespace fs = std::filesystem;

class FolderLock {
 public:
  // Locks each folder (duplicates and empty paths ignored), in one order
  // so two runs locking the same folders never wait on each other.
  explicit FolderLock(std::vector<fs::path> folders, Progress& progress = Progress::none());
  explicit FolderLock(const fs::path& folder, Progress& progress = Progress::none())
      : FolderLock(std::vector<fs::path>{folder}, progress) {}
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // True when another run held a folder and this one waited for it (the
  // folder may have changed since the caller looked at it).
  bool waited() const { return waited_; }

 private:
  std::vector<std::string> held_;  // keys of the folders this object locked
  bool waited_ = false;
};

// The runs of this process are shards of a larger run (`--shard I/N`): each
// writes only its own documents' files, so shards hold their folders
// together (a shared lock), and a whole run waits for all of them, and they
// for it.
void share_folder_locks(bool shards);

}  // namespace lumeral
