// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The record book the main window holds: where it was last opened from or saved to, and the name
// of its picture. New keeps the folder and file name, but the new book has no file of its own
// until Save As names it; Open and a successful Save As set them.
struct OpenRecordBook
{
    QString pictureFileName; // "fMei_MapImage": the picture's name only, no folder
    QString folder;          // the .ini's folder, ending in "/"
    QString fileName;        // the .ini's name, with ".ini"
    bool hasOwnFile = false; // Save writes to folder + fileName; else it asks for a name first
    QStringList damagedFiles; // object files that opened damaged and no save has replaced yet
    QString picturePath;      // where the picture was loaded from
    QStringList objectFiles;  // where Open found the object files
};
