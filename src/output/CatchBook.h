// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationStore.h"
#include "platform/RuntimeError.h"
#include "recordbook/ExportTarget.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The catch book: one row per kept dimension of one or more record books, for a spreadsheet or
// another program. The record book stores captions only, so a length is taken as its caption
// shows it: the length when it was kept.
struct CatchRow
{
    QString book;       // the record book's .ini file
    QString picture;    // its picture's file name
    int dimension = 0;  // counted from 1
    QString caption;    // as the dimension label shows it
    QString cm;         // the caption's number when it is in centimetres, else empty
    QString inches;     // that in inches, to two decimals
    QString comment;    // the dimension's comment
    // What the catch record template's lines say after their captions, when the text labels
    // follow the template: the title's words after the fish give the species.
    QString species, weight, angler, place, tide, bait, rig, date;
};

std::vector<CatchRow> catchRows(const QString &bookPath, const QString &pictureFileName,
                                const AnnotationStore &objects);

// Comma-separated, every field quoted, CR LF, UTF-8 with a byte order mark so that spreadsheet
// programs on every desktop read the Japanese text; a header row first. A field that starts
// (after any blanks) with "=", "+", "-" or "@" gets an apostrophe before it, so that a
// spreadsheet shows it rather than running it as a formula; a number with its sign and a lone
// "-" are left as they are.
QByteArray catchBookCsv(const std::vector<CatchRow> &rows);
// The same rows as JSON lines, one object a row, UTF-8.
QByteArray catchBookJsonLines(const std::vector<CatchRow> &rows);

// Writes the rows to the target: JSON lines when its format is "jsonl", else CSV.
std::optional<RuntimeError> writeCatchBook(const ExportTarget &target,
                                           const std::vector<CatchRow> &rows);
