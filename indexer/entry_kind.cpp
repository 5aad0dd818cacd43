#include "indexer/entry_kind.h"

#include <cstring>

namespace indexer {

const char kPageName[] = "RevavE.html";

std::string ExtensionOf(const std::string& name) {
  std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

FileKind ClassifyFile(const std::string& name, std::string (*upper)(std::string)) {
  std::string extension = ExtensionOf(name);
  if (extension.size() < 4) return FileKind::kOther;  // the shortest listed is ".HTM"
  extension = upper(std::move(extension));
  if (extension == ".HTM" || extension == ".HTML") {
    return name == kPageName ? FileKind::kOther : FileKind::kDocument;
  }
  static const char* const kImageExtensions[] = {".JPG", ".JPE", ".JPEG", ".GIF", ".BMP", ".PNG"};
  for (const char* image : kImageExtensions) {
    if (extension == image) return FileKind::kImage;
  }
  return FileKind::kOther;
}

}  // namespace indexer
