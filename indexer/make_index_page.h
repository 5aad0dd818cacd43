// The folder index generator.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/folder_search.h"
#include "platform/raw_file.h"

namespace indexer {

// What the walk needs of the file system; the system's own by default, and a
// faulty or recording one in tests.
class IndexFileSystem {
 public:
  virtual ~IndexFileSystem() = default;
  virtual void ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries);
  virtual std::unique_ptr<platform::RawFile> CreatePage(const std::string& path, unsigned long& error);
};

// Writes "RevavE.html" into `path` and every folder below it that has an HTML
// document, an image or such a subfolder, bottom-up. Answers whether it wrote
// the page of `path` itself. Raises platform::EInOutError when a page cannot
// be created, written or closed; pages finished before that stay.
bool MakeIndexPage(const std::string& path);
bool MakeIndexPage(const std::string& path, IndexFileSystem& file_system);

}  // namespace indexer
