#include "app/settings/settings_paths.h"

namespace settings {

namespace {

constexpr char kDataFolderName[] = "Zuzira";

// Walks `text` a character at a time; single-byte characters are reported
// with their position, double-byte ones are stepped over as a whole. A lead
// byte at the very end has no partner and counts as a single byte.
template <typename OnSingleByte>
void ForEachSingleByte(const std::string& text, platform::LeadBytePredicate is_lead_byte, OnSingleByte on_single_byte) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (is_lead_byte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      i += 2;
      continue;
    }
    on_single_byte(i);
    ++i;
  }
}

// Position just after the last backslash or colon, 0 when there is none.
std::size_t NameStart(const std::string& path, platform::LeadBytePredicate is_lead_byte) {
  std::size_t start = 0;
  ForEachSingleByte(path, is_lead_byte, [&](std::size_t i) {
    if (path[i] == '\\' || path[i] == ':') start = i + 1;
  });
  return start;
}

}  // namespace

std::string ParentFolder(const std::string& path, platform::LeadBytePredicate is_lead_byte) {
  // Tracked as we go: the last separator, and whether the character right
  // before it was a single-byte colon or backslash.
  bool found = false;
  std::size_t last = 0;
  bool last_follows_separator = false;
  bool previous_is_separator = false;
  std::size_t i = 0;
  while (i < path.size()) {
    std::size_t width = (is_lead_byte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) ? 2 : 1;
    bool is_separator = width == 1 && (path[i] == '\\' || path[i] == ':');
    if (is_separator) {
      found = true;
      last = i;
      last_follows_separator = previous_is_separator;
    }
    previous_is_separator = is_separator;
    i += width;
  }
  if (!found) return std::string();
  std::string parent = path.substr(0, last + 1);
  if (path[last] == '\\' && last > 0 && !last_follows_separator) parent.pop_back();
  return parent;
}

std::string DataDirUnder(const std::string& parent) { return parent + "\\" + kDataFolderName + "\\"; }

std::string DataDirBeside(const std::string& folder, platform::LeadBytePredicate is_lead_byte) {
  return DataDirUnder(ParentFolder(folder, is_lead_byte));
}

std::string FileNameWithExtension(const std::string& exe_path, const std::string& extension,
                                  platform::LeadBytePredicate is_lead_byte) {
  std::string name = exe_path.substr(NameStart(exe_path, is_lead_byte));
  bool has_dot = false;
  std::size_t dot = 0;
  ForEachSingleByte(name, is_lead_byte, [&](std::size_t i) {
    if (name[i] == '.') {
      has_dot = true;
      dot = i;
    }
  });
  if (has_dot) name.resize(dot);
  return name + extension;
}

}  // namespace settings
