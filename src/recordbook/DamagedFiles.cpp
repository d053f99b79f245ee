// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DamagedFiles.h"

#include "RecordBookKeys.h"
#include "StagedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace recordbookkeys;

QString kindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::DimensionLabel:
        return QStringLiteral("寸法ラベル");
    case RecordKind::TextLabel:
        return QStringLiteral("文字列");
    case RecordKind::LeaderLine:
        return QStringLiteral("引き出し線");
    case RecordKind::ExtensionLine:
        return QStringLiteral("寸法補助線");
    case RecordKind::DimensionLine:
        return QStringLiteral("寸法線");
    case RecordKind::EndMarker:
        return QStringLiteral("端点マーク");
    }
    return {};
}

// The first name beside `path` that no file has yet.
QString freeBackupName(const QString &path)
{
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = path + QStringLiteral(".bak%1").arg(n);
    return candidate;
}

std::optional<RuntimeError> copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return RuntimeError::pathFileAccess();
    const QFileInfo target(to);
    StagedFiles files(target.absolutePath());
    std::optional<RuntimeError> error =
        files.stageWritten(target.fileName(), [&source](const StagedFiles::Sink &sink) {
            char buffer[1 << 16];
            qint64 got;
            while ((got = source.read(buffer, sizeof buffer)) > 0) {
                if (!sink(buffer, got))
                    return false;
            }
            return got == 0;
        });
    if (!error && source.error() != QFileDevice::NoError)
        error = RuntimeError::pathFileAccess();
    return error ? error : files.commit();
}

// The reports of the object files that were found but not read to their end.
QList<const ObjectFileReport *> incompleteReports(const RecordBookLoadResult &loaded)
{
    QList<const ObjectFileReport *> incomplete;
    for (const ObjectFileReport *report : {&loaded.textFile, &loaded.lineFile, &loaded.shapeFile}) {
        if (!report->path.isEmpty() && !report->complete)
            incomplete.append(report);
    }
    return incomplete;
}

} // namespace

QStringList incompleteObjectFiles(const RecordBookLoadResult &loaded)
{
    QStringList paths;
    for (const ObjectFileReport *report : incompleteReports(loaded))
        paths.append(report->path);
    return paths;
}

QString incompleteFileText(const ObjectFileReport &report)
{
    if (!report.damagedRecord)
        return QStringLiteral("終わりまで読み込めません");
    const DamagedRecord &record = *report.damagedRecord;
    return QStringLiteral("%1 %2（%3 行目）から先を読み込めません")
        .arg(kindName(record.kind))
        .arg(record.index)
        .arg(record.line);
}

QString openedDamagedText(const RecordBookLoadResult &loaded)
{
    QString files;
    for (const ObjectFileReport *report : incompleteReports(loaded))
        files += QStringLiteral("\r%1\r　%2").arg(report->path, incompleteFileText(*report));
    if (files.isEmpty())
        return {};
    return QStringLiteral("記録帳のファイルが壊れているため、読み込めたところまでを表示します。\r")
         + files
         + QStringLiteral("\r\r上書き保存するときは、元のファイルを名前に「.bak」を付けて残します。");
}

KeptDamagedFiles keepDamagedFiles(const QStringList &damaged, const QString &folder,
                                  const QString &fileName)
{
    const QString base = baseName(fileName);
    QStringList replaced;
    for (const QString &suffix : {TextFileSuffix, LineFileSuffix, ShapeFileSuffix})
        replaced.append(QFileInfo(QDir(folder).filePath(base + suffix)).canonicalFilePath());

    KeptDamagedFiles kept;
    for (const QString &path : damaged) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || !replaced.contains(canonical))
            continue;
        const QString copy = freeBackupName(path);
        if (const auto error = copyWhole(path, copy)) {
            kept.error = *error;
            kept.error->description += QLatin1Char('\r') + copy;
            return kept;
        }
        kept.originals.append(path);
        kept.copies.append(copy);
    }
    return kept;
}

QString keptDamagedText(const QStringList &copies)
{
    return QStringLiteral("読み込めなかった記録を含む元のファイルを、次の名前で残しました。\r")
         + copies.join(QLatin1Char('\r'));
}
