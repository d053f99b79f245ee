// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StartedForm.h"

#include <QByteArray>
#include <QString>

// The sample book (one dimension, one leader line, a template of text labels) copied where it
// may be saved over, open at 100 % in a laid-out window.
struct OpenSample : StartedForm
{
    QString ini = folder.filePath(QStringLiteral("catch.ini"));

    OpenSample();

    void run(const char *item) { form.runCommand(QLatin1String(item)); }

    // What a save would write now, its four files one after the other, and the print area, which
    // is not saved but is the user's all the same. Geometry is written as it stands: at 100 % the
    // bytes a save writes.
    QByteArray image();
};
