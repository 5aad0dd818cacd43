#include "platform/text_file.h"

#include "platform/in_out_error.h"

namespace platform {

namespace {
// Big enough that a typical page goes out in one write call.
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

TextFile::TextFile(std::unique_ptr<RawFile> file) : file_(std::move(file)) {
  buffer_.reserve(kBufferSize);
}

// A file left open by an exception is released without flushing: what had
// reached the disk stays, as after any failed write.
TextFile::~TextFile() = default;

void TextFile::Write(std::string_view text) {
  if (buffer_.size() + text.size() > kBufferSize) {
    Flush();
    if (text.size() > kBufferSize) {
      if (unsigned long error = file_->Write(text.data(), text.size())) throw EInOutError(error);
      return;
    }
  }
  buffer_.append(text);
}

void TextFile::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void TextFile::Flush() {
  if (buffer_.empty()) return;
  unsigned long error = file_->Write(buffer_.data(), buffer_.size());
  buffer_.clear();
  if (error) throw EInOutError(error);
}

void TextFile::Close() {
  Flush();
  std::unique_ptr<RawFile> file = std::move(file_);
  if (unsigned long error = file->Close()) throw EInOutError(error);
}

}  // namespace platform
