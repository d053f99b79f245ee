// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewCommands.h"

#include "app/ScreenCheckDialog.h"
#include "app/frmMain.h"
#include "app/Zoom.h"

#include <utility>

void registerViewCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuOrgEnlarge"), [&form] {
        checkZoomItem(form, QStringLiteral("mnuOrgEnlarge"));
        zoomToActualSize(form);
    });
    form.setCommand(QStringLiteral("mnuDispRealOnScreen"), [&form] {
        // Without a picture the zoom says so, as every zoom does; nothing is asked first.
        if (!form.pictOrg.isNull())
            offerScreenCheckOnce(form);
        checkZoomItem(form, QStringLiteral("mnuDispRealOnScreen"));
        form.process.realSizeOnScreenChosen = true;
        zoomToRealSizeOnScreen(form);
    });
    form.setCommand(QStringLiteral("mnuDispFit"), [&form] {
        checkZoomItem(form, QStringLiteral("mnuDispFit"));
        zoomToFit(form);
    });
    const std::pair<const char *, float> presets[] = {
        {"mnuDisp200", 1.25f}, {"mnuDisp100", 1.0f}, {"mnuDisp80", 0.75f},
        {"mnuDisp50", 0.5f},   {"mnuDisp25", 0.25f},
    };
    for (const auto &[name, z] : presets) {
        const QString item = QLatin1String(name);
        form.setCommand(item, [&form, item, z = z] {
            checkZoomItem(form, item);
            zoomKeepingTheCentre(form, z);
        });
    }
    form.setCommand(QStringLiteral("mnuDispAll"), [&form] {
        checkZoomItem(form, QStringLiteral("mnuDispAll"));
    });
    form.setCommand(QStringLiteral("mnuDispOrg"), [&form] {
        ResetViewChecks(form);
        form.view.ZoomFactor = 1.0f;
        form.view.pictMapHasPicture = false;
    });
}
