// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderDialogWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The boxes are wide enough for a usual path: 5655 twips.
constexpr int BoxWidth = 377;

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QLatin1String(name));
    return pushButton;
}

// A button at the right edge of its own row, under the box it belongs to.
QHBoxLayout *rightAligned(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    return row;
}

} // namespace

FolderDialogWidget::FolderDialogWidget(dlgFolda &model, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(QStringLiteral("フォルダ設定"));
    setObjectName(QStringLiteral("dlgFolda"));

    // Made in the order the Tab key visits them, top to bottom.
    m_pictures = new QLineEdit(this);
    m_pictures->setObjectName(QStringLiteral("txtPict"));
    QPushButton *browsePictures = button(QStringLiteral("参照"), "cmdSansyou(0)", this);
    m_recordBooks = new QLineEdit(this);
    m_recordBooks->setObjectName(QStringLiteral("txtZumen"));
    QPushButton *browseRecordBooks = button(QStringLiteral("参照"), "cmdSansyou(1)", this);
    QPushButton *ok = button(QStringLiteral("OK"), "OKButton", this);
    QPushButton *cancel = button(QStringLiteral("ｷｬﾝｾﾙ"), "CancelButton", this);
    ok->setDefault(true);
    for (QLineEdit *box : {m_pictures, m_recordBooks})
        box->setMinimumWidth(BoxWidth);

    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("画像ファイル・フォルダ"), this));
    column->addWidget(m_pictures);
    column->addLayout(rightAligned({browsePictures}));
    column->addSpacing(8);
    column->addWidget(new QLabel(QStringLiteral("記録帳フォルダ"), this));
    column->addWidget(m_recordBooks);
    column->addLayout(rightAligned({browseRecordBooks}));
    column->addSpacing(16);
    column->addLayout(rightAligned({ok, cancel}));

    connect(m_pictures, &QLineEdit::textEdited, &m_model,
            [this](const QString &text) { m_model.txtPict = text; });
    connect(m_recordBooks, &QLineEdit::textEdited, &m_model,
            [this](const QString &text) { m_model.txtZumen = text; });
    connect(browsePictures, &QPushButton::clicked, &m_model,
            [this] { m_model.cmdSansyou_Click(0); });
    connect(browseRecordBooks, &QPushButton::clicked, &m_model,
            [this] { m_model.cmdSansyou_Click(1); });
    connect(ok, &QPushButton::clicked, &m_model, &dlgFolda::OKButton_Click);
    connect(cancel, &QPushButton::clicked, &m_model, &dlgFolda::CancelButton_Click);
    connect(&m_model, &dlgFolda::changed, this, &FolderDialogWidget::refresh);
    connect(&m_model, &dlgFolda::closeRequested, this, &QDialog::accept);
    refresh();
}

void FolderDialogWidget::refresh()
{
    m_pictures->setText(m_model.txtPict);
    m_recordBooks->setText(m_model.txtZumen);
}
