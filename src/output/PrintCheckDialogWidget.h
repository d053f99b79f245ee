// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PrintCheckDialog.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The printer self-check on the desktop: mirrors the model and hands it every choice, edit and
// button.
class PrintCheckDialogWidget : public QDialog
{
    Q_OBJECT

public:
    PrintCheckDialogWidget(PrintCheckDialog &model, QWidget *parent);

private:
    void refresh();

    PrintCheckDialog &m_model;
    QComboBox *m_printers = nullptr;
    QPushButton *m_print = nullptr;
    QLineEdit *m_across = nullptr;
    QLineEdit *m_down = nullptr;
    QLabel *m_inForce = nullptr;
    QPushButton *m_clear = nullptr;
};
