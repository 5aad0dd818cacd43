// Text files of lines, as a string list loads and saves them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Cuts text into lines. CR, LF and CR LF each end one line (so LF CR is two
// line ends with an empty line between); a zero byte ends the text; a last
// line without a line end counts, a line end at the very end adds nothing.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF; no lines give no bytes.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the whole file in one piece (others may read it meanwhile, not write
// it) and replaces `lines` with its lines. A file that cannot be opened or
// read answers false and leaves `lines` as it was.
bool LoadLines(const std::string& path, std::vector<std::string>& lines);

// Creates the file anew, nobody else may open it while it is written, and
// writes JoinLines(lines). Raises EInOutError when the file cannot be
// created or written; what was written before a failure stays.
void SaveLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
