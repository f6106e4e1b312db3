#pragma once
// The page "言語とテキスト": the language selector, and for the selected language its interface
// texts (font name, font size and eighteen texts, one row per key) beside its read-me text. All
// its texts are Unicode.
#include <QWidget>

#include <array>
#include <string>

#include "builder/core/LanguageTextKeys.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;

namespace qv {

class TLanguagePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFieldsStartWidth = 376;
    static constexpr int kDefaultFontSize = 9;

    explicit TLanguagePage(QWidget* parent);

    // Fills the rows from an interface text (name=value lines; an absent key gives an empty
    // field, a font size that is not a number gives the spinner's default) and the read-me.
    void SetTexts(const std::u16string& sysText, const std::u16string& readme);
    // The interface text of the rows in key order, CR LF after every line: empty fields left
    // out, the font size always present.
    std::u16string SysText() const;
    // The read-me field with CR LF line breaks.
    std::u16string ReadmeText() const;

    // Width of the left part (the rows), as the settings file keeps it; one set before the page
    // is first shown takes effect then.
    int FieldsWidth() const;
    void SetFieldsWidth(int width);

    QLineEdit* TextField(int index) const { return FTextFields.at(size_t(index)); }

    QLabel* imgCharSet = nullptr;
    QComboBox* tntcboLanguage = nullptr;
    QPushButton* tntbtnAddLang = nullptr;
    QSplitter* csplLanguage = nullptr;
    QScrollArea* tntboxLanguage = nullptr;
    QLineEdit* tnttxtFontName = nullptr;
    QPushButton* tntbtnRefFontName = nullptr;
    QSpinBox* wseFontSize = nullptr;
    QGroupBox* tntgbxReadme = nullptr;
    QPlainTextEdit* tnttxtReadme = nullptr;

signals:
    // A field, the spinner or the read-me changed (also when the program fills them).
    void Edited();
    // The language selector is about to be used: it opens, gets the focus, a key or the wheel.
    void SelectorTouched();
    // The user picked a language in the selector.
    void LanguageSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeSelectorRow();
    QWidget* MakeFields();
    QGroupBox* MakeReadme();
    void ApplyFieldsWidth();

    std::array<QLineEdit*, kLanguageTextFields> FTextFields{};
    int FWantedFieldsWidth = 0;  // a width not yet applied to the splitter
};

}  // namespace qv
