#include "platform/in_out_error.h"

namespace platform {

std::string InOutErrorMessage(unsigned long error_code) {
  switch (error_code) {
    case 2: return "ファイルが見つかりません";
    case 3: return "不正なファイル名です";
    case 4: return "オープンしたファイルが多すぎます";
    case 5: return "ファイルへのアクセスが拒否されました";
    case 100: return "ファイルの末尾以降を読み込みました";
    case 101: return "ディスクがいっぱいです";
    case 106: return "入力値が数値ではありません";
    default: return "I/O エラー (" + std::to_string(error_code) + ")";
  }
}

EInOutError::EInOutError(unsigned long error_code)
    : Exception(InOutErrorMessage(error_code)), error_code_(error_code) {}

}  // namespace platform
