// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dlgFolda.h"

#include <QDialog>

class QLineEdit;

// The folder settings dialog on the desktop: mirrors the model's two boxes and hands it every
// edit and button.
class FolderDialogWidget : public QDialog
{
    Q_OBJECT

public:
    FolderDialogWidget(dlgFolda &model, QWidget *parent);

private:
    void refresh();

    dlgFolda &m_model;
    QLineEdit *m_pictures = nullptr;
    QLineEdit *m_recordBooks = nullptr;
};
