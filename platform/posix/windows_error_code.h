// POSIX errors in the Windows codes the message table knows, so a file that
// fails natively reads as it would on Windows.
#pragma once

namespace platform {

unsigned long WindowsErrorCode(int posix_error);

}  // namespace platform
