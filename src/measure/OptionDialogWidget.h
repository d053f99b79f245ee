// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measure/frmOption.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

// The scale option dialog on the desktop: a tool window above the main window that shows the
// model's texts and hands every focus change, Enter key, edit and button press to it.
class OptionDialogWidget : public QWidget
{
    Q_OBJECT

public:
    OptionDialogWidget(frmOption &model, QWidget *mainWindow);

    frmOption *model() const { return m_model; }
    // The model was unloaded: stop mirroring it, hide and go away.
    void dismiss();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void refresh();
    void takeFocus(int index);
    void applySelection(int index);
    int boxIndex(const QObject *object) const;

    QPointer<frmOption> m_model;
    std::array<QLineEdit *, 6> m_boxes{};
    QLabel *m_unit = nullptr;
    QLabel *m_warning = nullptr;
    QLabel *m_ratio = nullptr;
    int m_focusedByPress = -1; // the box a mouse press is focusing, until the press arrives
};

// How the desktop shows and closes the one scale option dialog of a main window: a dialog
// model shows (or raises) its window, nullptr closes the window that is open.
void hostOptionDialog(QWidget *mainWindow, frmOption *dialog);
