#include <dirent.h>
#include <sys/stat.h>

#include "platform/folder_search.h"

namespace platform {
namespace {

class DirHandle {
 public:
  explicit DirHandle(DIR* dir) : dir_(dir) {}
  ~DirHandle() {
    if (dir_) closedir(dir_);
  }
  DirHandle(const DirHandle&) = delete;
  DirHandle& operator=(const DirHandle&) = delete;
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

// A symbolic link is not followed, so a link back up the tree cannot make
// the walk go round in circles.
bool IsDirectory(const std::string& folder, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
  struct stat info;
  return lstat((folder + "/" + entry.d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

void ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  DirHandle dir(opendir(folder.c_str()));
  if (!dir.get()) return;
  while (const dirent* entry = readdir(dir.get())) {
    entries.push_back({entry->d_name, IsDirectory(folder, *entry)});
  }
}

}  // namespace platform
