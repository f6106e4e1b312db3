#include "tools/screenshot/MessageDlgScenes.h"

#include <QWidget>

#include <memory>

#include "common/ui/TfrmqvMessageDlgFormW.h"
#include "tools/screenshot/TScreenshotScenes.h"

namespace qv {

namespace {

struct TMessageScene {
    const char* Name;
    const char* Description;
    uint8_t Kind;
    uint16_t Buttons;
    const char* Title;
    const char* Message;
};

// Typical messages of the builder and the package runtime.
const TMessageScene kScenes[] = {
    {"messagedlg-warning", "message dialog, kind 0 (warning), OK", 0, TfrmqvMessageDlgFormW::mbOK, "警告",
     "アイコン フォルダが見つかりません。\nプロジェクトの設定を確認してください。"},
    {"messagedlg-error", "message dialog, kind 1 (error), OK", 1, TfrmqvMessageDlgFormW::mbOK, "エラー",
     "ライブラリの読み込みに失敗しました。"},
    {"messagedlg-information", "message dialog, kind 2 (information), OK", 2, TfrmqvMessageDlgFormW::mbOK, "情報",
     "12 個のアイコンをコピーしました。\nコピー先: /home/user/デスクトップ/アイコン"},
    {"messagedlg-confirmation", "message dialog, kind 3 (confirmation), Yes, No, Cancel, No to all, Yes to all",
     3, 779, "確認", "ファイル「フォルダ.ico」は既に存在します。\n上書きしますか？"},
};

std::unique_ptr<QWidget> MessageScene(const TMessageScene& scene) {
    auto form = std::make_unique<TfrmqvMessageDlgFormW>();
    form->SetIconKind(scene.Kind);
    form->SetTitle(QString::fromUtf8(scene.Title));
    form->SetMessage(QString::fromUtf8(scene.Message));
    form->SetButtons(scene.Buttons);
    return form;
}

}  // namespace

void RegisterMessageDlgScenes() {
    for (const TMessageScene& scene : kScenes)
        TScreenshotScenes::Register(QString::fromLatin1(scene.Name), QString::fromUtf8(scene.Description),
                                    [&scene] { return MessageScene(scene); });
}

}  // namespace qv
