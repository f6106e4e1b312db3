#pragma once
// The language list dialog "言語の編集". For now it holds the template list (the recently used
// language templates that the settings file keeps); its editing commands come with the dialog's
// own work.
#include <QDialog>
#include <QStringList>

class QComboBox;

namespace qv {

class TfrmEditLanguageList : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 393;
    static constexpr int kClientHeight = 163;

    explicit TfrmEditLanguageList(QWidget* parent = nullptr);

    // The entries of tntcboTemplate, newest first.
    QStringList Templates() const;
    void AddTemplate(const QString& name);

    QComboBox* tntcboTemplate = nullptr;
};

}  // namespace qv
