// Folder search: every entry the system reports for a folder, in its order.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
  std::string name;  // the long name, never the 8.3 alias
  bool is_directory = false;
};

// Replaces `entries` with the folder's entries ("." and ".." included where
// the file system reports them). A search that cannot start (missing folder,
// not a folder, no right to read, path too long) leaves `entries` empty and
// reports nothing.
void ListFolder(const std::string& folder, std::vector<FolderEntry>& entries);

}  // namespace platform
