// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterruptedSave.h"

#include <QFileInfo>

namespace {

// The version the files on the disk hold, as one sentence.
QString filesOnDisk(const InterruptedCommit &commit)
{
    if (commit.oldFilesWhole())
        return QStringLiteral("今のファイルは保存する前の版のままで、そろっています。");
    if (commit.newFilesWhole())
        return QStringLiteral("今のファイルは保存した版で、そろっています。");
    return QStringLiteral("今のファイルは保存する前の版と保存した版が混ざっています。"
                          "保存を済ませると、保存した版がそろいます。");
}

// The first few paths, then how many more: a list of moves may name thousands.
QString someOf(const QStringList &paths)
{
    constexpr qsizetype Shown = 4;
    QStringList lines = paths.mid(0, Shown);
    if (paths.size() > Shown)
        lines << QStringLiteral("ほか %1 件").arg(paths.size() - Shown);
    return lines.join(QLatin1Char('\r'));
}

} // namespace

std::optional<InterruptedCommit> findInterruptedSave(const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    const SaveTargets targets = saveTargets(ini.absolutePath(), ini.fileName());
    return InterruptedCommit::find(targets.journal, targets.files);
}

std::optional<RuntimeError> tidyBeforeSaving(const SaveTargets &targets)
{
    const auto interrupted = InterruptedCommit::find(targets.journal, targets.files);
    if (interrupted && interrupted->isOurs()) {
        if (const auto error = interrupted->finish())
            return error;
    }
    removeLeftovers(targets.journal, targets.files);
    return std::nullopt;
}

QString interruptedSaveQuestion(const InterruptedCommit &commit)
{
    return QStringLiteral("この記録帳の前回の保存は、途中で止まっています。\r") + filesOnDisk(commit)
           + QStringLiteral("\r\r保存を最後まで済ませてから開きますか?\r"
                            "「いいえ」を選ぶと今のファイルのまま開き、次の上書き保存で済ませます。");
}

QString foreignJournalText(const InterruptedCommit &commit)
{
    return QStringLiteral("記録帳の横にある保存の途中経過「%1」は、この記録帳のものでないファイルを"
                          "指しているため、使いませんでした。どのファイルも動かしていません。\r")
               .arg(QFileInfo(commit.journal).fileName())
           + someOf(commit.foreign);
}

QString interruptedSaveNote(const InterruptedCommit &commit)
{
    if (!commit.isOurs()) {
        return QStringLiteral("保存の途中経過「%1」はこの記録帳のものでないため、使いませんでした。")
            .arg(QFileInfo(commit.journal).fileName());
    }
    return QStringLiteral("前回の保存が途中で止まっています。") + filesOnDisk(commit)
           + QStringLiteral("ファイルはそのままにして、今のファイルを読み込みました。");
}
