// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Finds the files a record book names. A book copied through a FAT stick or an archive may come
// back with its file names in other letter case than the .ini says.
struct FoundFile
{
    QString path;           // empty when no file was taken
    bool ambiguous = false; // several names differ from the wanted one only in letter case
};

// The regular file `name` in the first of `folders` that holds it: by its exact name, or else the
// one file whose name differs only in letter case. When a folder holds several such files, none
// is taken and the result says so.
FoundFile findFileInFolders(const QString &name, const QStringList &folders);

// The text that tells the user which name could not be matched for that reason.
QString ambiguousNameText(const QString &name);
