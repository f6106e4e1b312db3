#include "builder/TfrmEditLanguageList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "builder/BuilderText.h"
#include "builder/CharSetMarker.h"
#include "builder/core/LanguageTemplates.h"
#include "platform/CaseFold.h"
#include "platform/FileIO.h"
#include "platform/qt/TDropFileTarget.h"
#include "platform/qt/TQvApplication.h"
#include "platform/qt/TSystemSeams.h"

namespace qv {
namespace {

constexpr char kTemplateFilter[] =
    "言語テンプレート(*.dat, *.txt)|*.dat;*.txt|テキストファイル(*.txt)|*.txt|すべてのファイル|*.*";

TFileDialogRequest TemplateDialogRequest(QWidget* parent) {
    TFileDialogRequest request;
    request.Parent = parent;
    request.Filter = QString::fromUtf8(kTemplateFilter);
    return request;
}

// The language list is saved one name a line: a line break inside a name would split it into two
// languages and shift every text after it, so breaks become spaces.
QString OneLineName(QString name) {
    for (QChar& c : name)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028) || c.isNull()) c = QLatin1Char(' ');
    return name;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmEditLanguageList::TfrmEditLanguageList(std::string programDir, QWidget* parent)
    : QDialog(parent), tntodlRefTemplate(TFileDialogKind::Open, TemplateDialogRequest(this)),
      FProgramDir(std::move(programDir)) {
    setObjectName(QStringLiteral("frmEditLanguageList"));
    setWindowTitle(QString::fromUtf8("言語の編集"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setVerticalSpacing(4);
    tnttxtLangName = new QLineEdit(this);
    tnttxtLangName->setObjectName(QStringLiteral("tnttxtLangName"));
    tntcboTemplate = new QComboBox(this);
    tntcboTemplate->setObjectName(QStringLiteral("tntcboTemplate"));
    tntcboTemplate->setEditable(true);
    tntcboTemplate->setInsertPolicy(QComboBox::NoInsert);
    tntbtnRefTemplate = MakeButton(this, "tntbtnRefTemplate", "参照(&R)...");
    imgCharSet = MakeCharSetMarker(this, TCharSet::Unicode);
    fields->addWidget(new QLabel(QString::fromUtf8("言語名："), this), 0, 0, 1, 2);
    fields->addWidget(imgCharSet, 0, 2, Qt::AlignRight | Qt::AlignTop);
    fields->addWidget(tnttxtLangName, 1, 0, 1, 3);
    fields->addWidget(new QLabel(QString::fromUtf8("テンプレートファイル："), this), 2, 0, 1, 3);
    fields->addWidget(tntcboTemplate, 3, 0, 1, 2);
    fields->addWidget(tntbtnRefTemplate, 3, 2);
    fields->setColumnStretch(0, 1);

    tntbtnAddLang = MakeButton(this, "tntbtnAddLang", "追加(&A)");
    tntbtnChangeLang = MakeButton(this, "tntbtnChangeLang", "変更(&M)");
    tntbtnDeleteLang = MakeButton(this, "tntbtnDeleteLang", "削除(&D)");
    tntbtnClose = MakeButton(this, "tntbtnClose", "閉じる(&C)");
    tntbtnClose->setDefault(true);
    tntbtnAddLang->setEnabled(false);
    tntbtnChangeLang->setEnabled(false);
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {tntbtnAddLang, tntbtnChangeLang, tntbtnDeleteLang}) commands->addWidget(button);
    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(tntbtnClose);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addLayout(commands);
    right->addStretch(1);
    right->addLayout(closing);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(MakeListGroup());
    layout->addLayout(right, 1);

    // Drags over the field's text part go on to the drop target instead of inserting text.
    tntcboTemplate->lineEdit()->setAcceptDrops(false);
    ddTemplate = new TDropFileTarget(tntcboTemplate, [this](const QStringList& files, const QPoint&) {
        TQvApplication::Guarded([this, &files] { ddTemplateFileDrop(files); });
    });
    ddTemplate->setObjectName(QStringLiteral("ddTemplate"));
    BindHandlers();
}

QGroupBox* TfrmEditLanguageList::MakeListGroup() {
    tntgbxLangList = new QGroupBox(QString::fromUtf8("言語一覧"), this);
    tntgbxLangList->setObjectName(QStringLiteral("tntgbxLangList"));
    tntgbxLangList->setFixedWidth(150);
    tntlstLangList = new QListWidget(tntgbxLangList);
    tntlstLangList->setObjectName(QStringLiteral("tntlstLangList"));
    tntlstLangList->setSelectionMode(QAbstractItemView::SingleSelection);
    tntspdbtnUp = MakeArrowButton("tntspdbtnUp", ":/toolbar/up_16.png");
    tntspdbtnDown = MakeArrowButton("tntspdbtnDown", ":/toolbar/down_16.png");
    auto* arrows = new QVBoxLayout;
    arrows->addWidget(tntspdbtnUp);
    arrows->addWidget(tntspdbtnDown);
    arrows->addStretch(1);
    auto* layout = new QHBoxLayout(tntgbxLangList);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tntlstLangList, 1);
    layout->addLayout(arrows);
    return tntgbxLangList;
}

QToolButton* TfrmEditLanguageList::MakeArrowButton(const char* name, const char* picture) {
    auto* button = new QToolButton(tntgbxLangList);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);  // flat until the pointer is over it
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(QSize(16, 16));
    return button;
}

void TfrmEditLanguageList::BindHandlers() {
    const auto bind = [this](QAbstractButton* button, void (TfrmEditLanguageList::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { TQvApplication::Guarded([this, handler] { (this->*handler)(); }); });
    };
    bind(tntspdbtnUp, &TfrmEditLanguageList::tntspdbtnUpClick);
    bind(tntspdbtnDown, &TfrmEditLanguageList::tntspdbtnDownClick);
    bind(tntbtnAddLang, &TfrmEditLanguageList::tntbtnAddLangClick);
    bind(tntbtnChangeLang, &TfrmEditLanguageList::tntbtnChangeLangClick);
    bind(tntbtnDeleteLang, &TfrmEditLanguageList::tntbtnDeleteLangClick);
    bind(tntbtnRefTemplate, &TfrmEditLanguageList::tntbtnRefTemplateClick);
    connect(tntbtnClose, &QPushButton::clicked, this, &QDialog::accept);
    // A click on the language already selected copies its name again, as does a new selection.
    connect(tntlstLangList, &QListWidget::itemSelectionChanged, this, &TfrmEditLanguageList::tntlstLangListClick);
    connect(tntlstLangList, &QListWidget::itemClicked, this, &TfrmEditLanguageList::tntlstLangListClick);
    connect(tnttxtLangName, &QLineEdit::textChanged, this, &TfrmEditLanguageList::ChangedEvent);
}

// --- the languages

void TfrmEditLanguageList::SetLanguages(const QStringList& names, std::vector<std::u16string> sysTexts,
                                        std::vector<std::u16string> readmeTexts) {
    FSysTexts = std::move(sysTexts);
    FReadmeTexts = std::move(readmeTexts);
    FSysTexts.resize(size_t(names.size()));
    FReadmeTexts.resize(size_t(names.size()));
    const QSignalBlocker quiet(tntlstLangList);
    tntlstLangList->clear();
    tntlstLangList->addItems(names);
    FChanged = false;
}

QStringList TfrmEditLanguageList::Names() const {
    QStringList names;
    for (int i = 0; i < tntlstLangList->count(); ++i) names << tntlstLangList->item(i)->text();
    return names;
}

int TfrmEditLanguageList::Selected() const {
    const QListWidgetItem* item = tntlstLangList->currentItem();
    return item && item->isSelected() ? tntlstLangList->currentRow() : -1;
}

void TfrmEditLanguageList::SelectRow(int row) {
    // Moving the selection from the program is not a click: the name field keeps its text.
    const QSignalBlocker quiet(tntlstLangList);
    tntlstLangList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TfrmEditLanguageList::Exchange(int row, int other) {
    QListWidgetItem* a = tntlstLangList->item(row);
    QListWidgetItem* b = tntlstLangList->item(other);
    const QString name = a->text();
    a->setText(b->text());
    b->setText(name);
    std::swap(FSysTexts[size_t(row)], FSysTexts[size_t(other)]);
    std::swap(FReadmeTexts[size_t(row)], FReadmeTexts[size_t(other)]);
    SelectRow(other);
    FChanged = true;
}

// --- the template list

QStringList TfrmEditLanguageList::Templates() const {
    QStringList names;
    for (int i = 0; i < tntcboTemplate->count(); ++i) names << tntcboTemplate->itemText(i);
    return names;
}

void TfrmEditLanguageList::AddTemplate(const QString& name) { tntcboTemplate->addItem(name); }

bool TfrmEditLanguageList::HasTemplate(const QString& name) const {
    for (const QString& entry : Templates())
        if (SameTextIgnoreCase(entry.toStdU16String(), name.toStdU16String())) return true;
    return false;
}

std::string TfrmEditLanguageList::TemplateFile(const QString& name) const {
    const std::string path = ResolveTemplatePath(QToPath(name), FProgramDir);
    return FileExists(path) ? path : std::string();
}

// --- handlers

void TfrmEditLanguageList::tntlstLangListClick() {
    const int row = Selected();
    if (row >= 0) tnttxtLangName->setText(tntlstLangList->item(row)->text());
}

void TfrmEditLanguageList::ChangedEvent() {
    if (tnttxtLangName->text().isEmpty()) return;
    tntbtnAddLang->setEnabled(true);
    tntbtnChangeLang->setEnabled(true);
}

void TfrmEditLanguageList::tntspdbtnUpClick() {
    const int row = Selected();
    if (row > 0) Exchange(row, row - 1);
}

void TfrmEditLanguageList::tntspdbtnDownClick() {
    const int row = Selected();
    if (row >= 0 && row + 1 < tntlstLangList->count()) Exchange(row, row + 1);
}

void TfrmEditLanguageList::tntbtnDeleteLangClick() {
    const int row = Selected();
    if (row < 0 || tntlstLangList->count() <= 1) {
        Seams().Beep();
        return;
    }
    const QSignalBlocker quiet(tntlstLangList);
    delete tntlstLangList->takeItem(row);
    FSysTexts.erase(FSysTexts.begin() + row);
    FReadmeTexts.erase(FReadmeTexts.begin() + row);
    // As after a deletion in a plain list box, no language is selected.
    tntlstLangList->setCurrentRow(-1);
    FChanged = true;
}

void TfrmEditLanguageList::tntbtnAddLangClick() {
    // The name goes in first with both texts empty, so the lists stay parallel even when the
    // template cannot be read.
    tntlstLangList->addItem(OneLineName(tnttxtLangName->text()));
    FSysTexts.emplace_back();
    FReadmeTexts.emplace_back();
    const QString name = tntcboTemplate->currentText();
    const std::string file = TemplateFile(name);
    if (file.empty()) {
        FSysTexts.back() = kMissingTemplateText;
    } else {
        if (!HasTemplate(name)) {
            tntcboTemplate->insertItem(0, name);
            tntcboTemplate->setEditText(name);
        }
        FSysTexts.back() = ReadTemplateText(file);
    }
    FChanged = true;
}

void TfrmEditLanguageList::tntbtnChangeLangClick() {
    const int row = Selected();
    if (row < 0) return;
    tntlstLangList->item(row)->setText(OneLineName(tnttxtLangName->text()));
    const std::string file = TemplateFile(tntcboTemplate->currentText());
    if (!file.empty()) FSysTexts[size_t(row)] = ReadTemplateText(file);
    FChanged = true;
}

void TfrmEditLanguageList::tntbtnRefTemplateClick() {
    if (tntodlRefTemplate.Execute()) tntcboTemplate->setEditText(tntodlRefTemplate.FileName());
}

void TfrmEditLanguageList::ddTemplateFileDrop(const QStringList& files) {
    if (!files.isEmpty()) tntcboTemplate->setEditText(files.front());
}

}  // namespace qv
