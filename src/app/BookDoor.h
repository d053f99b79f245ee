// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/RecordBookDocument.h"

#include <QString>

class frmMain;

// The main window's side of the document's door: the book's state it holds, copied and put
// back, and the commands that pass through the door.
class FormBookState : public RecordBookState
{
public:
    explicit FormBookState(frmMain &form) : m_form(form) {}

    RecordBookSnapshot capture() const override;
    RecordBookSnapshot take() override;
    void restore(RecordBookSnapshot snapshot) override;
    void cancelDrawing() override;
    void showHistory(bool canUndo, bool canRedo) override;

private:
    frmMain &m_form;
};

// Whether a menu item's command may change the record book and so runs as a change: all but the
// zoom (which still re-lays the annotations), the file commands that replace, write, print or
// export the book whole, the printer and screen self-checks and undo and redo themselves.
bool changesRecordBook(const QString &menuItemName);

// "元に戻す" and "やり直し" of the edit menu.
void registerUndoCommands(frmMain &form);
