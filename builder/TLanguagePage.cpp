#include "builder/TLanguagePage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include <limits>

#include "builder/CharSetMarker.h"
#include "platform/TUnicodeStringList.h"

namespace qv {
namespace {

constexpr int kMinFontSize = 8;
constexpr int kMaxFontSize = 36;
constexpr int kReadmeMinWidth = 10;

QString ToQ(const std::u16string& text) { return QString::fromStdU16String(text); }
std::u16string FromQ(const QString& text) { return text.toStdU16String(); }
std::u16string Key(const char* key) { return FromQ(QString::fromLatin1(key)); }

// A decimal integer, blanks around it allowed; false for anything else.
bool ParseFontSize(const std::u16string& text, int& size) {
    bool ok = false;
    const int value = ToQ(text).trimmed().toInt(&ok, 10);
    if (ok) size = value;
    return ok;
}

}  // namespace

TLanguagePage::TLanguagePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tbsLanguage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeSelectorRow());
    csplLanguage = new QSplitter(Qt::Horizontal, this);
    csplLanguage->setObjectName(QStringLiteral("csplLanguage"));
    csplLanguage->setChildrenCollapsible(false);
    csplLanguage->setHandleWidth(4);
    csplLanguage->addWidget(MakeFields());
    csplLanguage->addWidget(MakeReadme());
    csplLanguage->setStretchFactor(1, 1);
    layout->addWidget(csplLanguage, 1);
    SetFieldsWidth(kFieldsStartWidth);

    // A field cuts nothing off: a long text would otherwise be shortened when it goes back into
    // the data.
    tnttxtFontName->setMaxLength(std::numeric_limits<int>::max());
    for (QLineEdit* field : FTextFields) field->setMaxLength(std::numeric_limits<int>::max());
    for (QLineEdit* field : FTextFields) connect(field, &QLineEdit::textChanged, this, &TLanguagePage::Edited);
    connect(tnttxtFontName, &QLineEdit::textChanged, this, &TLanguagePage::Edited);
    connect(wseFontSize, &QSpinBox::valueChanged, this, &TLanguagePage::Edited);
    connect(tnttxtReadme, &QPlainTextEdit::textChanged, this, &TLanguagePage::Edited);
    connect(tntcboLanguage, &QComboBox::activated, this, &TLanguagePage::LanguageSelected);
    tntcboLanguage->installEventFilter(this);
    csplLanguage->installEventFilter(this);
}

QWidget* TLanguagePage::MakeSelectorRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QString::fromUtf8("言語："), row);
    label->setObjectName(QStringLiteral("tntlblLanguage"));
    tntcboLanguage = new QComboBox(row);
    tntcboLanguage->setObjectName(QStringLiteral("tntcboLanguage"));
    tntcboLanguage->setEditable(false);
    tntcboLanguage->setMinimumWidth(200);
    tntbtnAddLang = new QPushButton(QString::fromUtf8("編集(&E)..."), row);
    tntbtnAddLang->setObjectName(QStringLiteral("tntbtnAddLang"));
    imgCharSet = MakeCharSetMarker(row, TCharSet::Unicode);
    layout->addWidget(label);
    layout->addWidget(tntcboLanguage);
    layout->addWidget(tntbtnAddLang);
    layout->addStretch(1);
    layout->addWidget(imgCharSet, 0, Qt::AlignRight | Qt::AlignTop);
    return row;
}

QWidget* TLanguagePage::MakeFields() {
    tntboxLanguage = new QScrollArea(this);
    tntboxLanguage->setObjectName(QStringLiteral("tntboxLanguage"));
    tntboxLanguage->setWidgetResizable(true);
    tntboxLanguage->setMinimumWidth(1);
    auto* rows = new QWidget(tntboxLanguage);
    auto* grid = new QGridLayout(rows);
    grid->setVerticalSpacing(3);
    const auto& keys = LanguageTextKeys();
    for (int row = 0; row < kLanguageTextKeys; ++row) {
        auto* label = new QLabel(QString::fromUtf8(keys[size_t(row)].Label), rows);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
    }
    tnttxtFontName = new QLineEdit(rows);
    tnttxtFontName->setObjectName(QStringLiteral("tnttxtFontName"));
    tntbtnRefFontName = new QPushButton(QString::fromUtf8("フォント(&F)..."), rows);
    tntbtnRefFontName->setObjectName(QStringLiteral("tntbtnRefFontName"));
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(tnttxtFontName, 1);
    fontRow->addWidget(tntbtnRefFontName);
    grid->addLayout(fontRow, 0, 1);
    wseFontSize = new QSpinBox(rows);
    wseFontSize->setObjectName(QStringLiteral("wseFontSize"));
    wseFontSize->setRange(kMinFontSize, kMaxFontSize);
    wseFontSize->setSingleStep(1);
    wseFontSize->setValue(kDefaultFontSize);
    grid->addWidget(wseFontSize, 1, 1, Qt::AlignLeft);
    for (int i = 0; i < kLanguageTextFields; ++i) {
        FTextFields[size_t(i)] = new QLineEdit(rows);
        FTextFields[size_t(i)]->setObjectName(QString::fromLatin1(LanguageTextFieldKeys()[i].ControlName));
        grid->addWidget(FTextFields[size_t(i)], i + 2, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kLanguageTextKeys, 1);
    tntboxLanguage->setWidget(rows);
    return tntboxLanguage;
}

QGroupBox* TLanguagePage::MakeReadme() {
    tntgbxReadme = new QGroupBox(QString::fromUtf8("表示テキスト"), this);
    tntgbxReadme->setObjectName(QStringLiteral("tntgbxReadme"));
    tntgbxReadme->setMinimumWidth(kReadmeMinWidth);
    tnttxtReadme = new QPlainTextEdit(tntgbxReadme);
    tnttxtReadme->setObjectName(QStringLiteral("tnttxtReadme"));
    tnttxtReadme->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (new QVBoxLayout(tntgbxReadme))->addWidget(tnttxtReadme);
    return tntgbxReadme;
}

bool TLanguagePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == csplLanguage && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        ApplyFieldsWidth();
    if (watched == tntcboLanguage) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            emit SelectorTouched();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TLanguagePage::SetTexts(const std::u16string& sysText, const std::u16string& readme) {
    TUnicodeStringList list;
    list.SetText(sysText);
    tnttxtFontName->setText(ToQ(list.Values(Key(kFontNameKey))));
    int size = kDefaultFontSize;
    ParseFontSize(list.Values(Key(kFontSizeKey)), size);
    wseFontSize->setValue(size);
    for (int i = 0; i < kLanguageTextFields; ++i)
        FTextFields[size_t(i)]->setText(ToQ(list.Values(Key(LanguageTextFieldKeys()[i].Key))));
    QString text = ToQ(readme);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    tnttxtReadme->setPlainText(text);
    for (QLineEdit* field : FTextFields) field->setCursorPosition(0);
    tnttxtFontName->setCursorPosition(0);
}

std::u16string TLanguagePage::SysText() const {
    TUnicodeStringList list;
    const auto add = [&list](const char* key, const QString& value) {
        if (!value.isEmpty()) list.Add(Key(key) + u"=" + FromQ(value));
    };
    add(kFontNameKey, tnttxtFontName->text());
    add(kFontSizeKey, QString::number(wseFontSize->value()));
    for (int i = 0; i < kLanguageTextFields; ++i) add(LanguageTextFieldKeys()[i].Key, FTextFields[size_t(i)]->text());
    return list.Text();
}

std::u16string TLanguagePage::ReadmeText() const {
    QString text = tnttxtReadme->toPlainText();
    return FromQ(text.replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

int TLanguagePage::FieldsWidth() const {
    return FWantedFieldsWidth > 0 ? FWantedFieldsWidth : csplLanguage->sizes().value(0);
}

void TLanguagePage::SetFieldsWidth(int width) {
    FWantedFieldsWidth = width;
    ApplyFieldsWidth();
}

void TLanguagePage::ApplyFieldsWidth() {
    // A splitter that is not shown has no width to share yet; the width is applied when it is.
    const int total = csplLanguage->width() - csplLanguage->handleWidth();
    if (FWantedFieldsWidth <= 0 || !csplLanguage->isVisible() || total <= 0) return;
    csplLanguage->setSizes({FWantedFieldsWidth, std::max(kReadmeMinWidth, total - FWantedFieldsWidth)});
    FWantedFieldsWidth = 0;
}

}  // namespace qv
