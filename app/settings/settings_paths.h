// Where the data folder and the two remembered files are, worked out from
// paths alone. Paths are bytes of the system's ANSI code page; the second
// byte of a double-byte character is never taken for a backslash, colon or
// dot, so the caller says which bytes start one.
#pragma once

#include <string>

#include "platform/ansi_text.h"

namespace settings {

// The folder above `path`: everything up to and including its last backslash
// or colon, without that backslash unless it is the first character or
// follows a colon or another backslash ("C:\a\b" -> "C:\a", "D:\Recent" ->
// "D:\"). A path with neither gives "".
std::string ParentFolder(const std::string& path, platform::LeadBytePredicate is_lead_byte);

// The data folder beside a folder: its parent and "\Zuzira\", simply joined
// (so a drive root gives two backslashes in a row).
std::string DataDirBeside(const std::string& folder, platform::LeadBytePredicate is_lead_byte);

// The data folder under a folder given as the parent itself.
std::string DataDirUnder(const std::string& parent);

// The executable's file name (after its last backslash or colon) with the
// extension (from the last dot of that name) replaced by `extension`, or
// with `extension` appended when the name has no dot.
std::string FileNameWithExtension(const std::string& exe_path, const std::string& extension,
                                  platform::LeadBytePredicate is_lead_byte);

}  // namespace settings
