#pragma once
// The about dialog "QuorvaneBuilder のバージョン情報", made at start and reused; its contents come
// with the dialog's own work.
#include <QDialog>

namespace qv {

class TfrmVersionInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 449;
    static constexpr int kClientHeight = 344;

    explicit TfrmVersionInfo(QWidget* parent = nullptr);
};

}  // namespace qv
