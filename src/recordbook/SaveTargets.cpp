// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveTargets.h"

#include "RecordBookKeys.h"
#include "SavePaths.h"
#include "StagedFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace recordbookkeys;

RuntimeError linkLeadsOut(const QString &name, const QString &pointsTo)
{
    return {RuntimeError::pathFileAccess().number,
            QStringLiteral("「%1」は記録帳のフォルダの外にある「%2」を指すリンクのため、"
                           "保存しませんでした。")
                .arg(name, pointsTo)};
}

} // namespace

SaveTargets saveTargets(const QString &folder, const QString &iniName)
{
    SaveTargets targets;
    const QString book = QFileInfo(folder).canonicalFilePath();
    const QString base = baseName(iniName);
    for (const QString &name :
         {iniName, base + TextFileSuffix, base + LineFileSuffix, base + ShapeFileSuffix}) {
        const QFileInfo file(QDir(folder).filePath(name));
        const QString place = savepaths::canonicalPlace(StagedFiles::writtenPath(file.filePath()));
        if (name == iniName) {
            const QString written = place.isEmpty() ? name : QFileInfo(place).fileName();
            targets.journal = savepaths::journalPath(folder, written);
        }
        // A link on to a dangling link would be written where that one points.
        const bool lastLink = !QFileInfo(place).isSymLink();
        if (lastLink && savepaths::liesWithin(place, book)) {
            targets.files << place;
        } else if (file.isSymLink() && !targets.refusal) {
            targets.refusal = linkLeadsOut(name, place.isEmpty() ? file.symLinkTarget() : place);
        }
    }
    return targets;
}
