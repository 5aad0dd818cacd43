// The text of the default error report, kept apart from the window layer so
// it can be checked on any system.
#pragma once

#include <string>

namespace platform {

// The message as the error report shows it: a "." is appended when the text
// is not empty and its last character sorts after "." (its bytes compared
// with "." as unsigned values). `utf8_message` is UTF-8, so the last
// character is the last lead byte with its continuation bytes.
std::string ErrorReportText(const std::string& utf8_message);

}  // namespace platform
