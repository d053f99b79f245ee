// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cerrno>

// A failure as the user is told of it: the classic run-time error number with its Japanese
// description, as the commands' messages show them.
struct RuntimeError
{
    int number = 0;
    QString description;
    // What is wrong in plain words, where the classic error names another cause (a picture over
    // the pixel cap is no shortage of memory). The command line says this; the window keeps the
    // number and the description.
    QString cause = {};

    static RuntimeError invalidCall()
    {
        return {5, QStringLiteral("プロシージャの呼び出し、または引数が不正です。")};
    }
    static RuntimeError overflow() { return {6, QStringLiteral("オーバーフローしました。")}; }
    static RuntimeError outOfMemory() { return {7, QStringLiteral("メモリが不足しています。")}; }
    static RuntimeError divisionByZero() { return {11, QStringLiteral("0 で除算しました。")}; }
    static RuntimeError fileNotFound() { return {53, QStringLiteral("ファイルが見つかりません。")}; }
    static RuntimeError diskFull()
    {
        return {61, QStringLiteral("ディスクの空き容量が不足しています。")};
    }
    static RuntimeError pathFileAccess() { return {75, QStringLiteral("パス名が無効です。")}; }
    static RuntimeError pathNotFound() { return {76, QStringLiteral("パスが見つかりません。")}; }
    static RuntimeError invalidPicture() { return {481, QStringLiteral("ピクチャが不正です。")}; }
    // A printer or print device failed; `why` follows on a line of its own.
    static RuntimeError printerError(const QString &why)
    {
        return {482, QStringLiteral("プリンタ エラーです。") + QLatin1Char('\r') + why};
    }

    // The run-time error a failed file operation of the system raises, from its errno.
    static RuntimeError fromErrno(int error)
    {
        switch (error) {
        case ENOENT:
        case ENOTDIR: return pathNotFound();
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return diskFull();
        case ENOMEM: return outOfMemory();
        case EACCES:
        case EPERM: return pathFileAccess().because(QStringLiteral("書き込む権限がありません。"));
        case EROFS:
            return pathFileAccess().because(
                QStringLiteral("読み取り専用のファイルシステムには書き込めません。"));
        default: return pathFileAccess(); // a folder in the way…
        }
    }

    RuntimeError because(const QString &why) const
    {
        RuntimeError error = *this;
        error.cause = why;
        return error;
    }
};
