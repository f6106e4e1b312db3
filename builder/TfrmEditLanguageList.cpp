#include "builder/TfrmEditLanguageList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "builder/CharSetMarker.h"

namespace qv {

TfrmEditLanguageList::TfrmEditLanguageList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditLanguageList"));
    setWindowTitle(QString::fromUtf8("言語の編集"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    auto* grid = new QGridLayout(this);
    auto* label = new QLabel(QString::fromUtf8("テンプレートファイル："), this);
    tntcboTemplate = new QComboBox(this);
    tntcboTemplate->setObjectName(QStringLiteral("tntcboTemplate"));
    tntcboTemplate->setEditable(true);
    tntcboTemplate->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(label, 0, 0);
    grid->addWidget(tntcboTemplate, 0, 1);
    grid->addWidget(MakeCharSetMarker(this, TCharSet::Unicode), 0, 2, Qt::AlignRight | Qt::AlignTop);
    grid->setRowStretch(1, 1);
}

QStringList TfrmEditLanguageList::Templates() const {
    QStringList names;
    for (int i = 0; i < tntcboTemplate->count(); ++i) names << tntcboTemplate->itemText(i);
    return names;
}

void TfrmEditLanguageList::AddTemplate(const QString& name) { tntcboTemplate->addItem(name); }

}  // namespace qv
