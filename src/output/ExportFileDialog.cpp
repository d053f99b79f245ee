// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFileDialog.h"

std::optional<ExportTarget> chooseExportTarget(platform::Platform &platform,
                                               const ExportFileDialog &dialog,
                                               const QStringList &bookFiles)
{
    const QString pattern = QStringLiteral("*.") + dialog.extension;
    const QString &folder = dialog.folder;
    const std::optional<QString> path = platform.chooseSaveFile(
        {dialog.title, folder, folder.isEmpty() ? pattern : folder + u'/' + pattern,
         dialog.extension, dialog.filter});
    if (!path)
        return std::nullopt;
    const ExportTargetCheck checked = checkExportTarget(*path, dialog.kind, bookFiles);
    if (checked.refusal) {
        platform.showOk(dialog.title, *checked.refusal, platform::MessageIcon::Warning);
        return std::nullopt;
    }
    return checked.target;
}
