// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ObjectFileReader.h"
#include "StoredPrintArea.h"
#include "document/AnnotationStore.h"
#include "platform/RuntimeError.h"
#include "document/ScaleValues.h"

#include <QString>

#include <optional>

// A record book on disk: an .ini file with the picture name, the scale values and the names of
// three object files ("<base>_Text.Bin", "<base>_Line.Bin", "<base>_Shape.Bin") that hold the
// labels, the lines and the end markers one property per line, all in code page 932 with CR LF.

// Everything a record book holds, for callers that keep it in one place (the dump, tests).
struct RecordBookContent
{
    QString pictureFileName; // "fMei_MapImage": the name only, no folder
    QString product;         // "Prj" as read; the writer always writes our own product name
    ScaleValues scale;
    AnnotationStore annotations;
    std::optional<QRectF> printAreaMm; // a print area the user drew, at 100 %

    bool operator==(const RecordBookContent &) const = default;
};

// Writes folder/fileName (the .ini, keeping keys of other names an existing file holds) and the
// three object files beside it, all or nothing: each file is first written completely under a
// temporary name in the same folder, and only then are the four moved into place. Geometry is
// written as it stands, so the caller switches the view to 100 % first. A print area the user
// drew is kept in a section of its own; without one that section is taken out.
// A file that is a symbolic link is written through only when the file it names lies in the
// folder; a save of a book with a link leading out is refused before anything is written. A
// save of the book that was cut off is completed first, and the hidden files killed saves
// left beside the book are removed.
// Returns the failure, or nothing once all four files are in place. On failure the record book
// that was there before is left whole. A text that code page 932 cannot carry, a line break in a
// text and an .ini value too long to be read back are refused before anything is written; the
// description then names the object and the field.
std::optional<RuntimeError> subSaveRecordBook(const QString &folder, const QString &fileName,
                                              const QString &pictureFileName,
                                              const ScaleValues &scale,
                                              const AnnotationStore &annotations,
                                              const std::optional<QRectF> &printAreaMm);
std::optional<RuntimeError> subSaveRecordBook(const QString &folder, const QString &fileName,
                                              const RecordBookContent &content);

// Where one object file was read from, and whether it was read to its end.
struct ObjectFileReport
{
    QString path;           // empty when no file of that name was found
    bool complete = true;   // false when a damaged record, a read error or the size cap stopped it
    bool ambiguous = false; // several files matched the name but for letter case: none was read
    QString name;           // the file name the .ini gives
    std::optional<DamagedRecord> damagedRecord; // the record reading stopped at, if one did
};

struct RecordBookLoadResult
{
    // The .ini could not be read (53 missing, 75 unreadable) or holds a scale value beyond the
    // range of its type (6); nothing was changed then.
    std::optional<RuntimeError> error;
    QString product; // "Prj" as read: which program wrote the record book
    ObjectFileReport textFile;
    ObjectFileReport lineFile;
    ObjectFileReport shapeFile;
    StoredPrintArea printArea;
};

// Reads the .ini at iniPath into the picture name and the scale values, then clears the six
// collections and rebuilds them from the object files. Each object file is taken from the .ini's
// own folder or, where it is missing there, from fallbackFolder (the record-book folder
// setting). A damaged object file stops at its first bad record: what was read before stays and
// the other files are still read. Reading never writes: a save that was cut off stays as it is. Labels are sized to their caption and font, as every label
// is; the stored Width and Height are not kept.
RecordBookLoadResult subLoadRecordBook(const QString &iniPath, const QString &fallbackFolder,
                                       QString &pictureFileName, ScaleValues &scale,
                                       AnnotationStore &annotations);
RecordBookLoadResult subLoadRecordBook(const QString &iniPath, const QString &fallbackFolder,
                                       RecordBookContent &content);
