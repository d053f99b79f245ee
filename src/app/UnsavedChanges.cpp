// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnsavedChanges.h"

#include "platform/Version.h"
#include "app/frmMain.h"
#include "app/RecordBookCommands.h"

namespace {

// Saves as "記録帳の上書き保存" would, or as "名前を付けて保存..." when the book has no name yet.
void saveChanges(frmMain &form)
{
    if (form.menus[QStringLiteral("mnuFileSavePrj")].enabled)
        mnuFileSavePrj_Click(form);
    else if (form.menus[QStringLiteral("mnuFileSaveAsPrj")].enabled)
        mnuFileSaveAsPrj_Click(form);
}

} // namespace

bool mayLetChangesGo(frmMain &form)
{
    if (!form.document.isModified())
        return true;
    const platform::MessageAnswer answer = form.platform.showMessage(
        {QString::fromUtf8(Version::ProductName), QStringLiteral("変更を保存しますか?"),
         platform::MessageIcon::Question, platform::MessageButtons::SaveDiscardCancel});
    switch (answer) {
    case platform::MessageAnswer::Save:
        saveChanges(form);
        return !form.document.isModified(); // a failed or cancelled save keeps the book
    case platform::MessageAnswer::Discard:
        return true;
    default:
        return false;
    }
}
