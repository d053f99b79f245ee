// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"
#include "output/TilePlan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

struct RecordBookLoadResult;

// What the program was asked to do on its command line, as a file manager or a shell starts it:
//   catchscale                    the empty window
//   catchscale BOOK.ini           opens that record book
//   catchscale PICTURE            starts a new record book from that picture
//   catchscale --dump BOOK.ini    prints the record book as the reader understood it, as JSON,
//                                 without opening a window
//   catchscale --export-pdf OUT.pdf BOOK.ini [--kinds dims,comments,leaders,texts]
//              [--tile PAPER [--overlap MM]] [--text-size own]
//                                 prints the record book at actual size into a PDF file, on
//                                 its own paper or over sheets of PAPER ("A4", "Letter" …);
//                                 with --text-size own each label at its own point size
//   catchscale --export-bmp OUT.bmp BOOK.ini
//                                 saves it as a bitmap, as "ビットマップファイルへ保存" does
//   catchscale --export-image OUT.png|OUT.jpg BOOK.ini [--dpi 96|150|300|600 | --share]
//              [--kinds …] [--text-size own]
//                                 saves the print area as a PNG or JPEG picture at that
//                                 resolution (300 by default), or share-sized with a scale bar
//   catchscale --export-csv OUT.csv BOOK.ini [BOOK.ini …]
//                                 writes the catch book of the record books: a row for each
//                                 kept dimension (JSON lines when OUT ends in .jsonl)
//   catchscale --help             the usage text, on standard output
//   catchscale --version          the version and copyright lines, on standard output
// Options go anywhere, a value after a blank or an "=" ("--tile=A4", "--export-pdf=OUT.pdf");
// after "--" every argument is a file. Qt's own options (-platform, -style …) go with the window.
struct CommandLine
{
    enum class Action {
        Start,
        OpenRecordBook,
        NewFromPicture,
        Dump,
        ExportPdf,
        ExportBmp,
        ExportImage,
        ExportCsv,
        ShowUsage,
        ShowVersion,
        Invalid
    };

    Action action = Action::Start;
    QString path;   // the file named, made absolute (the record book of an export)
    QString error;  // why the command line was refused (Invalid)
    QString output; // the file an export writes, made absolute
    PageKinds kinds = PageKinds::all(); // what a PDF export prints
    std::optional<QSizeF> tileSheetMm;  // a PDF export over sheets of this paper (portrait)
    double overlapMm = DefaultOverlapMm; // and their overlap
    TextSize textSize = TextSize::FollowsPicture; // how large labels print
    int dotsPerInch = 300;               // an image export's resolution
    bool shareSize = false;              // or share-sized instead
    QStringList books;                   // the record books of a catch book, made absolute
    QStringList windowOptions; // Qt's own options for the window, as Qt reads them
};

// `arguments` as the process got them, the program itself first. A file ending in ".ini" (in
// any case) is a record book; any other file is taken for a picture. Every option is known by
// its exact name: anything else is refused (Invalid), so a wrong command line is told before
// any window is made.
CommandLine parseCommandLine(const QStringList &arguments);

// The texts of --help and --version, and the line that follows a refused command line.
QString commandLineUsage();
QString commandLineVersion();
QString commandLineHelpHint();

// The outcome of a command that runs without a window: what goes to standard output and to
// standard error, and the exit status.
struct CommandOutput
{
    int exitStatus = 0;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Exit statuses besides 0.
inline constexpr int UnreadableRecordBookStatus = 1;
inline constexpr int UsageErrorStatus = 2;
inline constexpr int ExportFailedStatus = 3;

// --dump: reads the record book at iniPath (object files missing beside it are looked up in
// fallbackFolder, the record-book folder setting) and renders it as JSON. An .ini that cannot be
// read is an error; an object file that stops at a damaged record is only a warning, as the
// program itself goes on with what it read. So is a save of the book that was cut off: the dump
// reads the files as they are and, like the exports, changes nothing in the book's folder.
CommandOutput dumpRecordBook(const QString &iniPath, const QString &fallbackFolder);

// That warning: a line for each object file of the book at iniPath that was not read to its end
// or not read at all for the letter case of its name; nothing when all were read.
QByteArray partlyReadLines(const QString &iniPath, const RecordBookLoadResult &loaded);

// --export-pdf, --export-bmp and --export-image: opens the record book as the window would
// (settings from the executable folder), lays the page out at actual size and writes the file.
// On failure the output file is left as it was and standard error says why, on one line. An
// output file that the export may not write (see checkExportTarget) is refused so (exit 3). A page or picture at
// actual size whose smallest text prints below 6 points is written, and that is said on one line.
CommandOutput exportRecordBook(const CommandLine &command, const QString &executableFolder);

// --export-csv: reads each record book (object files missing beside it are looked up in the
// record-book folder setting) and writes their catch book. A record book that cannot be read
// stops it, and nothing is written; one with a damaged object file is told as --dump tells it,
// and the rows that could be read are written. The output file is checked as above.
CommandOutput exportCatchBook(const CommandLine &command, const QString &executableFolder);
