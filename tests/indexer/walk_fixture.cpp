#include "tests/indexer/walk_fixture.h"

#include <algorithm>

#include "platform/ansi_text.h"

namespace walk_fixture {

void WindowsOrderFileSystem::ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries) {
  IndexFileSystem::ListFolder(folder, entries);
#ifndef _WIN32
  auto key = [](const platform::FolderEntry& entry) {
    std::string upper = platform::UpperAnsi(entry.name);
    return std::basic_string<unsigned char>(upper.begin(), upper.end());
  };
  std::stable_sort(entries.begin(), entries.end(),
                   [&](const platform::FolderEntry& a, const platform::FolderEntry& b) { return key(a) < key(b); });
#endif
}

bool Walk(const std::string& path) {
#ifdef _WIN32
  return indexer::MakeIndexPage(path);
#else
  WindowsOrderFileSystem file_system;
  return indexer::MakeIndexPage(path, file_system);
#endif
}

}  // namespace walk_fixture
