// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPlatform.h"
#include "app/frmMain.h"

#include <QByteArray>
#include <QTemporaryDir>

// A main form after start-up, with the scripted platform and an executable folder of its own
// (optionally holding an Init.ini with the given bytes).
struct StartedForm
{
    QTemporaryDir folder;
    ScriptedPlatform platform;
    ProcessState process;
    frmMain form{process, platform};

    explicit StartedForm(const QByteArray &settingsFileBytes = {});

    // Lays the form out as a 1280 x 800 window with no frame, as the desktop would after showing.
    void layOutWindow(QSize outerSize = {1280, 800});
};

// The annotations laid out again for the ZoomFactor a test has set.
void relayOutForZoom(frmMain &form);
