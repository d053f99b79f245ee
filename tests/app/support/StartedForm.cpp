// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"

#include "annotations/ObjectRedisplay.h"

#include <QFile>

#include <gtest/gtest.h>

StartedForm::StartedForm(const QByteArray &settingsFileBytes)
{
    if (!settingsFileBytes.isEmpty()) {
        QFile file(folder.filePath(QStringLiteral("Init.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsFileBytes);
    }
    form.Form_Load({folder.path(), QSize(1920, 1080)});
    platform.choosePopupItem = [this](const QString &item) { form.runCommand(item); };
}

void StartedForm::layOutWindow(QSize outerSize)
{
    WindowMetrics metrics;
    metrics.verticalScrollBarWidth = 16;
    metrics.verticalScrollArrowHeight = 16;
    metrics.menuBarHeight = 20;
    form.Form_Resize(WindowState::Normal, outerSize, metrics);
}

void relayOutForZoom(frmMain &form)
{
    subDisp_Object(form.annotations, form.live, form.view.LayoutZoom, form.view.ZoomFactor,
                   form.platform);
}
