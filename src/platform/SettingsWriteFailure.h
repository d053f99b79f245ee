// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a folder could not be written to the settings file, for the user: a value the file cannot
// carry, or what the file system shows about the file and its folder. Asked after the write
// failed, so the answer is the likeliest reason, not a record of the failing call.
QString settingsWriteFailure(const QString &settingsFile, const QString &value);

// What the user is told when a menu choice could not be written: "<what>を設定ファイルに保存
// できませんでした。この設定は終了するまで使われます。", a CR and the likeliest reason.
QString choiceNotSaved(const QString &what, const QString &settingsFile);
