// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWriteFailure.h"

#include "platform/Cp932.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Each character once, in order of appearance.
QString distinctCharacters(const QString &characters)
{
    QString distinct;
    for (const char32_t c : characters.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!distinct.contains(one))
            distinct += one;
    }
    return distinct;
}

QString valueProblem(const QString &value)
{
    const QString unencodable = cp932::encode(value).unencodable;
    if (!unencodable.isEmpty()) {
        return QStringLiteral("「%1」は Shift_JIS にない文字のため、設定ファイルに書けません。")
            .arg(distinctCharacters(unencodable));
    }
    if (value.contains(u'\r') || value.contains(u'\n') || value.contains(QChar(u'\0')))
        return QStringLiteral("改行や制御文字を含むフォルダ名は設定ファイルに書けません。");
    return {};
}

QString fileProblem(const QString &settingsFile)
{
    const QFileInfo file(settingsFile);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("設定ファイルを置くフォルダがありません。");
    if (file.exists() && !file.isFile())
        return QStringLiteral("設定ファイルの名前でフォルダなど、ファイルでないものがあります。");
    if (file.exists() && file.size() > ProfileDocument::MaxFileBytes)
        return QStringLiteral("設定ファイルが大きすぎます（1 MiB まで）。");
    if (file.exists() && !file.isReadable())
        return QStringLiteral("設定ファイルを読む権限がありません。");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("設定ファイルは書き込みが禁止されています。");
    // The file is replaced through a new file beside it.
    if (!folder.isWritable())
        return QStringLiteral("設定ファイルのフォルダに書き込む権限がありません。");
    return QStringLiteral("ディスクの空き容量が足りないか、書き込みの途中でエラーが起きました。");
}

} // namespace

QString settingsWriteFailure(const QString &settingsFile, const QString &value)
{
    const QString problem = valueProblem(value);
    return problem.isEmpty() ? fileProblem(settingsFile) : problem;
}

QString choiceNotSaved(const QString &what, const QString &settingsFile)
{
    return what
           + QStringLiteral("を設定ファイルに保存できませんでした。この設定は終了するまで使われます。\r")
           + settingsWriteFailure(settingsFile, QString());
}
