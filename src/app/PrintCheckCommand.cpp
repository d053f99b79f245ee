// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCheckCommand.h"

#include "app/frmMain.h"
#include "output/PrintCheckDialog.h"

void registerPrintCheckCommand(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuFilePrintCheck"), [&form] {
        PrintCheckDialog dialog(form.platform, form.process.settingsFile);
        dialog.load();
        form.platform.showPrintCheckDialog(dialog);
    });
}
