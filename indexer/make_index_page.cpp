#include "indexer/make_index_page.h"

#include "indexer/entry_kind.h"
#include "indexer/page_format.h"
#include "platform/ansi_text.h"
#include "platform/in_out_error.h"
#include "platform/text_file.h"

namespace indexer {

void IndexFileSystem::ListFolder(const std::string& folder, std::vector<platform::FolderEntry>& entries) {
  platform::ListFolder(folder, entries);
}

std::unique_ptr<platform::RawFile> IndexFileSystem::CreatePage(const std::string& path, unsigned long& error) {
  return platform::CreateRawFile(path, error);
}

bool MakeIndexPage(const std::string& path) {
  IndexFileSystem system_file_system;
  return MakeIndexPage(path, system_file_system);
}

bool MakeIndexPage(const std::string& path, IndexFileSystem& file_system) {
  constexpr char kSeparator = platform::kPathSeparator;

  // One listing serves the folders and the files. The files are classified
  // before descending, so each level holds only its subfolder names and its
  // own texts while the levels below it are walked.
  std::vector<std::string> subfolders;
  std::string document_links;
  std::string image_links;
  {
    std::vector<platform::FolderEntry> entries;
    file_system.ListFolder(path, entries);
    for (platform::FolderEntry& entry : entries) {
      if (entry.is_directory) {
        if (entry.name != "." && entry.name != "..") subfolders.push_back(std::move(entry.name));
        continue;
      }
      switch (ClassifyFile(entry.name, platform::UpperAnsi)) {
        case FileKind::kDocument: AppendDocumentEntry(document_links, entry.name); break;
        case FileKind::kImage: AppendImageEntry(image_links, entry.name); break;
        case FileKind::kOther: break;
      }
    }
  }

  std::string folder_links;
  for (const std::string& name : subfolders) {
    if (MakeIndexPage(path + kSeparator + name, file_system)) AppendFolderEntry(folder_links, name, kSeparator);
  }

  if (folder_links.empty() && document_links.empty() && image_links.empty()) return false;

  const std::string page_path = path + kSeparator + kPageName;
  unsigned long error = 0;
  std::unique_ptr<platform::RawFile> file = file_system.CreatePage(page_path, error);
  if (!file) throw platform::EInOutError(error);
  platform::TextFile page(std::move(file));
  WritePage(page, path, folder_links, document_links, image_links, kSeparator);
  page.Close();
  return true;
}

}  // namespace indexer
