// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The names and places of the files a save touches. Beside each file it replaces, a save keeps
// hidden files of its own: ".<name>.tmp<hex>" while the new version is written and
// ".<name>.bak<hex>" for the old version until all files are in place; a save of several files
// also puts its list of moves in its folder as ".<first name>.saving".
namespace savepaths {

enum class Sibling { Temporary, Backup };

// A fresh hidden name of that kind beside `target`, random so that no other save picks it.
QString freshSibling(const QString &target, Sibling kind);

// Whether `name` (a file name, no folder) is one freshSibling() gives for a file named
// `targetName`.
bool isSiblingName(const QString &name, const QString &targetName, Sibling kind);

// The list of moves of a save whose first file is named `firstName`, in `folder`.
QString journalPath(const QString &folder, const QString &firstName);

// Where `path` is once every link and ".." in its folder part is resolved: the canonical folder
// and the name as it stands (a link there is not followed, as a rename does not follow it).
// Empty when the folder does not exist or the name is "", "." or "..".
QString canonicalPlace(const QString &path);

// Whether the canonical place `path` lies in the canonical folder `folder` or below it.
bool liesWithin(const QString &path, const QString &folder);

// The moves into these files' folders are on the disk: each folder is flushed once.
void syncFoldersOf(const QStringList &files);

} // namespace savepaths
