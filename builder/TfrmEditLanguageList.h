#pragma once
// The language list dialog "言語の編集". While it is open it holds its own copy of the project's
// languages: the names in its list and, parallel to them, each language's interface text and
// read-me text. Languages are added from template files, renamed, re-read from a template,
// deleted and reordered; any of these sets the changed mark, and the window that opened the
// dialog takes the copy over only when the mark is set. The template list (recently used
// templates, newest first) lives as long as the dialog and is kept in the settings file.
#include <QDialog>
#include <QStringList>

#include <string>
#include <vector>

#include "builder/TFileDialogState.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace qv {

class TDropFileTarget;

class TfrmEditLanguageList : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 393;
    static constexpr int kClientHeight = 163;

    // programDir: the builder's program folder with its delimiter, where template names without
    // a folder are looked for.
    explicit TfrmEditLanguageList(std::string programDir, QWidget* parent = nullptr);

    // Gives the dialog its copy of the languages and clears the changed mark. The three lists are
    // parallel; a shorter text list is filled up with empty texts.
    void SetLanguages(const QStringList& names, std::vector<std::u16string> sysTexts,
                      std::vector<std::u16string> readmeTexts);
    QStringList Names() const;
    const std::vector<std::u16string>& SysTexts() const { return FSysTexts; }
    const std::vector<std::u16string>& ReadmeTexts() const { return FReadmeTexts; }
    bool Changed() const { return FChanged; }

    // The entries of tntcboTemplate, newest first.
    QStringList Templates() const;
    void AddTemplate(const QString& name);

    // --- handlers
    void tntlstLangListClick();
    void ChangedEvent();
    void tntspdbtnUpClick();
    void tntspdbtnDownClick();
    void tntbtnAddLangClick();
    void tntbtnChangeLangClick();
    void tntbtnDeleteLangClick();
    void tntbtnRefTemplateClick();
    void ddTemplateFileDrop(const QStringList& files);

    QGroupBox* tntgbxLangList = nullptr;
    QListWidget* tntlstLangList = nullptr;
    QToolButton* tntspdbtnUp = nullptr;
    QToolButton* tntspdbtnDown = nullptr;
    QLineEdit* tnttxtLangName = nullptr;
    QComboBox* tntcboTemplate = nullptr;
    QPushButton* tntbtnRefTemplate = nullptr;
    QPushButton* tntbtnAddLang = nullptr;
    QPushButton* tntbtnChangeLang = nullptr;
    QPushButton* tntbtnDeleteLang = nullptr;
    QPushButton* tntbtnClose = nullptr;
    QLabel* imgCharSet = nullptr;
    TDropFileTarget* ddTemplate = nullptr;
    TFileDialogState tntodlRefTemplate;

private:
    QGroupBox* MakeListGroup();
    QToolButton* MakeArrowButton(const char* name, const char* picture);
    void BindHandlers();
    // The row of the selected language, -1 when none is selected.
    int Selected() const;
    void SelectRow(int row);
    void Exchange(int row, int other);
    // The file a template name stands for; empty when no file exists there.
    std::string TemplateFile(const QString& name) const;
    bool HasTemplate(const QString& name) const;

    std::string FProgramDir;
    std::vector<std::u16string> FSysTexts;
    std::vector<std::u16string> FReadmeTexts;
    bool FChanged = false;
};

}  // namespace qv
