#include "common/CompilerTexts.h"

namespace qv {

std::string CompileResultText(int32_t code) {
    switch (code) {
        case 0: return "コンパイル完了。";
        case 1: return "プロジェクトファイルが見つかりません";
        case 2: return "パッケージ情報が見つかりません";
        case 4: return "メインアイコンが見つかりません";
        case 8: return "リソースを更新できませんでした。";
        case 16: return "バージョン情報のファイルが見つかりません";
        case 32: return "バナー画像のファイルが見つかりません";
        default: return "不明なエラー コード: " + std::to_string(code);
    }
}

std::string FormatCompilerVersion(uint16_t version) {
    return std::to_string(version / 1000) + "." + std::to_string(version / 100 % 10) + "." +
           std::to_string(version / 10 % 10) + "." + std::to_string(version % 10);
}

}  // namespace qv
