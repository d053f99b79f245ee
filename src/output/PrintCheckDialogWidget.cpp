// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCheckDialogWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

QLineEdit *sideBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setPlaceholderText(QStringLiteral("例：98.5"));
    box->setMaximumWidth(90);
    return box;
}

} // namespace

PrintCheckDialogWidget::PrintCheckDialogWidget(PrintCheckDialog &model, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(PrintCheckDialog::Title);
    setObjectName(QStringLiteral("dlgPrintCheck"));

    auto *pageFrame = new QGroupBox(QStringLiteral("1. チェックページを印刷します"), this);
    auto *printerRow = new QHBoxLayout(pageFrame);
    printerRow->addWidget(new QLabel(QStringLiteral("プリンタ名"), pageFrame));
    m_printers = new QComboBox(pageFrame);
    m_printers->setObjectName(QStringLiteral("cmbPrinter"));
    m_printers->setMinimumWidth(220);
    printerRow->addWidget(m_printers, 1);
    m_print = button(QStringLiteral("チェックページを印刷"), "cmdPrintCheckPage", pageFrame);
    printerRow->addWidget(m_print);

    auto *measureFrame = new QGroupBox(
        QStringLiteral("2. 印刷された正方形の横と縦を定規で測って入力します"), this);
    auto *sides = new QFormLayout(measureFrame);
    m_across = sideBox("txtAcross", measureFrame);
    m_down = sideBox("txtDown", measureFrame);
    sides->addRow(QStringLiteral("横 (mm)"), m_across);
    sides->addRow(QStringLiteral("縦 (mm)"), m_down);
    m_inForce = new QLabel(measureFrame);
    m_inForce->setWordWrap(true);
    sides->addRow(m_inForce);
    m_clear = button(QStringLiteral("補正なしに戻す"), "cmdClearCorrection", measureFrame);
    auto *clearRow = new QHBoxLayout;
    clearRow->addStretch();
    clearRow->addWidget(m_clear);
    sides->addRow(clearRow);

    auto *hint = new QLabel(QStringLiteral("OK を押すと、このプリンタへの印刷が 100 mm になるように"
                                           "補正されます。長さが大きく違うときは、プリンタの"
                                           "「ページに合わせる」や拡大縮小の設定をオフにしてください。"),
                            this);
    hint->setWordWrap(true);
    QPushButton *ok = button(QStringLiteral("OK"), "OKButton", this);
    QPushButton *cancel = button(QStringLiteral("キャンセル"), "CancelButton", this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *column = new QVBoxLayout(this);
    column->addWidget(pageFrame);
    column->addWidget(measureFrame);
    column->addWidget(hint);
    column->addLayout(buttons);

    connect(m_printers, &QComboBox::textActivated, &m_model, &PrintCheckDialog::choosePrinter);
    connect(m_print, &QPushButton::clicked, &m_model, &PrintCheckDialog::printPage);
    connect(m_across, &QLineEdit::textEdited, &m_model,
            [this](const QString &text) { m_model.across = text; });
    connect(m_down, &QLineEdit::textEdited, &m_model,
            [this](const QString &text) { m_model.down = text; });
    connect(m_clear, &QPushButton::clicked, &m_model, &PrintCheckDialog::clearCorrection);
    connect(ok, &QPushButton::clicked, &m_model, &PrintCheckDialog::accept);
    connect(cancel, &QPushButton::clicked, &m_model, &PrintCheckDialog::cancel);
    connect(&m_model, &PrintCheckDialog::changed, this, &PrintCheckDialogWidget::refresh);
    connect(&m_model, &PrintCheckDialog::closeRequested, this, &QDialog::accept);
    refresh();
}

void PrintCheckDialogWidget::refresh()
{
    const QSignalBlocker blockPrinters(m_printers);
    m_printers->clear();
    m_printers->addItems(m_model.printers);
    m_printers->setCurrentIndex(int(m_model.printers.indexOf(m_model.printer)));
    const bool hasPrinter = !m_model.printer.isEmpty();
    for (QWidget *widget : {static_cast<QWidget *>(m_print), static_cast<QWidget *>(m_across),
                            static_cast<QWidget *>(m_down), static_cast<QWidget *>(m_clear)})
        widget->setEnabled(hasPrinter);
    m_across->setText(m_model.across);
    m_down->setText(m_model.down);
    m_inForce->setText(m_model.correctionInForce());
}
