// What an entry of a folder counts as on its page.
#pragma once

#include <string>

namespace indexer {

extern const char kPageName[];  // "RevavE.html"

enum class FileKind { kOther, kDocument, kImage };

// The part of `name` from its last "." on, the dot included; empty without a dot.
std::string ExtensionOf(const std::string& name);

// Classifies a file (never a folder) by its extension, upper-cased with
// `upper` (the system's ANSI rules), and by its exact name.
FileKind ClassifyFile(const std::string& name, std::string (*upper)(std::string));

}  // namespace indexer
