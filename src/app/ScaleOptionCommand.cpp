// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleOptionCommand.h"

#include "app/ToolModes.h"
#include "app/frmMain.h"
#include "measure/PointerEvents.h"
#include "measure/frmOption.h"

void mnuToolOpt_Click(frmMain &form)
{
    abandonMeasurement(form.measuring); // the reference line's first click must not end it
    ClearToolChecks(form);
    if (!form.optionDialog) {
        form.optionDialog = std::make_unique<frmOption>(form.measuring);
        QObject::connect(form.optionDialog.get(), &frmOption::closeRequested,
                         [&form] { unloadOptionDialog(form); });
        form.optionDialog->Form_Load();
    }
    form.platform.showOptionDialog(*form.optionDialog);
    form.optionDialog->Form_Activate();
}

void unloadOptionDialog(frmMain &form)
{
    if (!form.optionDialog)
        return;
    form.optionDialog->Form_Unload();
    form.platform.closeOptionDialog();
    form.optionDialog.release()->deleteLater();
}

void registerOptionCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuToolOpt"), [&form] { mnuToolOpt_Click(form); });
}
