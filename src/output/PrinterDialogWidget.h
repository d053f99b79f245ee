// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/dlgPrinter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The print dialog on the desktop: mirrors the model and hands it every choice and button.
class PrinterDialogWidget : public QDialog
{
    Q_OBJECT

public:
    PrinterDialogWidget(dlgPrinter &model, QWidget *parent);

private:
    void buildLayout();
    void refresh();
    // The smallest text size and the offer of the labels' own size follow the boxes.
    void refreshTextSize();

    dlgPrinter &m_model;
    QComboBox *m_printers = nullptr;
    QPushButton *m_properties = nullptr;
    QLabel *m_printerNote = nullptr;
    QGroupBox *m_colourFrame = nullptr;
    QRadioButton *m_monochrome = nullptr;
    QRadioButton *m_colour = nullptr;
    QCheckBox *m_texts = nullptr;
    QCheckBox *m_leaders = nullptr;
    QCheckBox *m_dimensions = nullptr;
    QCheckBox *m_comments = nullptr;
    QLabel *m_textSize = nullptr;
    QCheckBox *m_ownTextSize = nullptr;
};
