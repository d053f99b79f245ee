// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ScreenCheckDialog.h"

#include <QDialog>

class QLabel;

// The screen self-check on the desktop: draws the model's rectangle at its size in screen pixels
// with a handle on its lower right corner, and hands the model every drag, arrow key and button.
class ScreenCheckDialogWidget : public QDialog
{
    Q_OBJECT

public:
    ScreenCheckDialogWidget(ScreenCheckDialog &model, QWidget *parent);

private:
    void refresh();

    ScreenCheckDialog &m_model;
    QLabel *m_size = nullptr;
};
