// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "recordbook/ExportTarget.h"

#include <QString>
#include <QStringList>

#include <optional>

// The save dialog of an export, started in `folder` with "*.EXT" offered as the name.
struct ExportFileDialog
{
    QString title;
    QString folder;
    QString extension; // without the dot
    QString filter;
    ExportKind kind;
};

// Asks for the file an export writes. A file the export may not write (one of `bookFiles`, an
// .ini, another kind of file, a folder) is told in a message box under the dialog's title, and
// the export ends there as it does when the dialog is cancelled.
std::optional<ExportTarget> chooseExportTarget(platform::Platform &platform,
                                               const ExportFileDialog &dialog,
                                               const QStringList &bookFiles);
