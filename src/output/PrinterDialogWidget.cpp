// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrinterDialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

PrinterDialogWidget::PrinterDialogWidget(dlgPrinter &model, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(QStringLiteral("印刷"));
    setObjectName(QStringLiteral("dlgPrinter"));
    buildLayout();
    refresh();
    connect(&m_model, &dlgPrinter::changed, this, &PrinterDialogWidget::refresh);
    connect(&m_model, &dlgPrinter::closeRequested, this, [this] {
        if (m_model.printed)
            accept();
        else
            reject();
    });
}

void PrinterDialogWidget::buildLayout()
{
    auto *printerFrame = new QGroupBox(QStringLiteral("プリンタ"), this);
    auto *printerRow = new QHBoxLayout(printerFrame);
    printerRow->addWidget(new QLabel(QStringLiteral("プリンタ名"), printerFrame));
    m_printers = new QComboBox(printerFrame);
    m_printers->setObjectName(QStringLiteral("cmbPrinter"));
    m_printers->setMinimumWidth(260);
    printerRow->addWidget(m_printers, 1);
    m_properties = new QPushButton(QStringLiteral("プロパティ"), printerFrame);
    m_properties->setObjectName(QStringLiteral("cmdPropaty"));
    printerRow->addWidget(m_properties);
    m_printerNote = new QLabel(this);
    m_printerNote->setObjectName(QStringLiteral("lblPrinterNote"));
    m_printerNote->setStyleSheet(QStringLiteral("color: #b00000;"));

    m_colourFrame = new QGroupBox(QStringLiteral("カラー・モノクロ"), this);
    auto *colourRow = new QHBoxLayout(m_colourFrame);
    m_monochrome = new QRadioButton(QStringLiteral("モノクロ"), m_colourFrame);
    m_monochrome->setObjectName(QStringLiteral("optColor0"));
    m_colour = new QRadioButton(QStringLiteral("カラー"), m_colourFrame);
    m_colour->setObjectName(QStringLiteral("optColor1"));
    colourRow->addWidget(m_monochrome);
    colourRow->addWidget(m_colour);
    colourRow->addStretch();

    const auto checkBox = [this](const char *name, const QString &caption) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    m_texts = checkBox("chkMoji", QStringLiteral("文字列を印刷する"));
    m_leaders = checkBox("chkHikidashi", QStringLiteral("引き出し線を印刷する"));
    m_dimensions = checkBox("chkSnpo", QStringLiteral("寸法を印刷する"));
    m_comments = checkBox("chkComent", QStringLiteral("寸法コメントを印刷する"));
    m_textSize = new QLabel(this);
    m_textSize->setObjectName(QStringLiteral("lblTextSize"));
    m_ownTextSize = checkBox("chkOwnTextSize",
                             QStringLiteral("文字を写真の縮尺に合わせず、それぞれの大きさで印刷する"));

    auto *print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    print->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);

    auto *column = new QVBoxLayout(this);
    column->addWidget(printerFrame);
    column->addWidget(m_printerNote);
    column->addWidget(m_colourFrame);
    for (QCheckBox *box : {m_texts, m_leaders, m_dimensions, m_comments})
        column->addWidget(box);
    column->addWidget(m_textSize);
    column->addWidget(m_ownTextSize);
    column->addLayout(buttons);

    connect(m_printers, &QComboBox::textActivated, &m_model, &dlgPrinter::cmbPrinter_Click);
    connect(m_properties, &QPushButton::clicked, &m_model, &dlgPrinter::cmdPropaty_Click);
    connect(m_monochrome, &QRadioButton::toggled, this,
            [this](bool on) { m_model.monochrome = on; });
    const auto follow = [this](QCheckBox *box, bool dlgPrinter::*choice) {
        connect(box, &QCheckBox::toggled, this, [this, choice](bool on) {
            m_model.*choice = on;
            refreshTextSize();
        });
    };
    follow(m_texts, &dlgPrinter::chkMoji);
    follow(m_leaders, &dlgPrinter::chkHikidashi);
    follow(m_comments, &dlgPrinter::chkComent);
    follow(m_ownTextSize, &dlgPrinter::chkOwnTextSize);
    connect(m_dimensions, &QCheckBox::toggled, &m_model, &dlgPrinter::chkSnpo_Click);
    connect(print, &QPushButton::clicked, &m_model, &dlgPrinter::cmdPrint_Click);
    connect(cancel, &QPushButton::clicked, &m_model, &dlgPrinter::CancelButton_Click);
}

void PrinterDialogWidget::refresh()
{
    const QSignalBlocker blockPrinters(m_printers);
    m_printers->clear();
    m_printers->addItems(m_model.cmbPrinter);
    m_printers->setCurrentIndex(m_model.cmbPrinter.indexOf(m_model.SelectedPrinter));
    m_properties->setEnabled(!m_model.printsToPdf() && !m_model.SelectedPrinter.isEmpty());
    m_printerNote->setText(m_model.printerNote);
    m_printerNote->setVisible(!m_model.printerNote.isEmpty());
    // A PDF file shows its colours; the choice for a printer waits until one is chosen again.
    const bool colourChoice = m_model.colourChoiceEnabled();
    m_colourFrame->setEnabled(colourChoice);
    const QSignalBlocker blockMonochrome(m_monochrome);
    const QSignalBlocker blockColour(m_colour);
    (colourChoice && m_model.monochrome ? m_monochrome : m_colour)->setChecked(true);
    const QSignalBlocker blockDimensions(m_dimensions);
    m_texts->setChecked(m_model.chkMoji);
    m_leaders->setChecked(m_model.chkHikidashi);
    m_dimensions->setChecked(m_model.chkSnpo);
    m_comments->setChecked(m_model.chkComent);
    m_comments->setEnabled(m_model.chkComentEnabled);
    refreshTextSize();
}

void PrinterDialogWidget::refreshTextSize()
{
    const QString note = m_model.textSizeNote();
    m_textSize->setText(note);
    m_textSize->setVisible(!note.isEmpty());
    const QSignalBlocker blockOwn(m_ownTextSize);
    m_ownTextSize->setChecked(m_model.chkOwnTextSize);
    m_ownTextSize->setVisible(m_model.ownTextSizeOffered());
}
