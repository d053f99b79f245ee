// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzEntries.h"
#include "FuzzFiles.h"

#include "output/PageRenderer.h"
#include "output/CatchBook.h"
#include "measure/CatchWeight.h"
#include "recordbook/RecordBook.h"
#include "recordbook/RecordBookJson.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstring>
#include <iterator>

namespace {

const char *const PartFiles[] = {"book.ini", "book_Text.Bin", "book_Line.Bin", "book_Shape.Bin"};
const QString BookName = QLatin1String(PartFiles[0]);

void unpack(const QByteArray &packed, const QDir &folder)
{
    qsizetype start = 0;
    for (std::size_t part = 0; part < std::size(PartFiles); ++part) {
        const bool last = part + 1 == std::size(PartFiles);
        const qsizetype end = last ? -1 : packed.indexOf(PartSeparator, start);
        writeFuzzFile(folder.filePath(QLatin1String(PartFiles[part])),
                      packed.mid(start, end < 0 ? -1 : end - start));
        if (end < 0)
            return;
        start = end + qsizetype(std::strlen(PartSeparator));
    }
}

// The record-book folder setting names a folder that does not exist, so that nothing outside
// the input is ever read.
QString fallbackFolder(const QTemporaryDir &folder)
{
    return folder.filePath(QStringLiteral("no-such-folder"));
}

// An A4 sheet lying down, every kind of annotation on it.
void printAtOneDotAMillimetre(const AnnotationStore &annotations)
{
    QImage sheet(297, 210, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    const PageScene scene{annotations, nullptr, {}, QRectF(0, 0, 297, 210), {}};
    renderPage(painter, scene, {.dotsPerMm = 1, .kinds = PageKinds::all()});
}

// Reads a book the program saved; why it cannot, or empty text.
QString readSaved(const QString &ini, const QString &fallback, RecordBookContent &content)
{
    const auto error = subLoadRecordBook(ini, fallback, content).error;
    return error ? QStringLiteral("the saved book cannot be read: ") + error->description
                 : QString();
}

// The content without the product name, which a save always replaces with ours.
RecordBookContent savedContent(RecordBookContent content)
{
    content.product.clear();
    return content;
}

QString firstDifference(const QByteArray &before, const QByteArray &after)
{
    const QList<QByteArray> a = before.split('\n');
    const QList<QByteArray> b = after.split('\n');
    qsizetype line = 0;
    while (line < a.size() && line < b.size() && a.at(line) == b.at(line))
        ++line;
    return QStringLiteral("saved and read back differently at line %1 of the dump: %2 / %3")
        .arg(line + 1)
        .arg(QString::fromUtf8(a.value(line).trimmed()),
             QString::fromUtf8(b.value(line).trimmed()));
}

} // namespace

CommandOutput dumpPackedRecordBook(const QByteArray &packed)
{
    const QTemporaryDir folder;
    unpack(packed, QDir(folder.path()));
    return dumpRecordBook(folder.filePath(BookName), fallbackFolder(folder));
}

QString openPackedRecordBook(const QByteArray &packed)
{
    const QTemporaryDir folder;
    unpack(packed, QDir(folder.path()));
    const QString ini = folder.filePath(BookName);
    const QString fallback = fallbackFolder(folder);
    const CommandOutput dump = dumpRecordBook(ini, fallback);
    if (dump.exitStatus == UnreadableRecordBookStatus)
        return {};
    if (dump.exitStatus != 0 || dump.standardOutput.isEmpty())
        return QStringLiteral("the dump ended with status %1 and %2 bytes of output")
            .arg(dump.exitStatus)
            .arg(dump.standardOutput.size());

    // What the catch book, the weight estimate and a printed page make of the book, damaged or
    // not.
    RecordBookContent read;
    subLoadRecordBook(ini, fallback, read);
    catchRows(ini, read.pictureFileName, read.annotations);
    longestKeptLength(read.annotations, read.scale);
    printAtOneDotAMillimetre(read.annotations);

    // Each read allocates its files' whole size limit up front, which the address sanitizer
    // makes slow: only a book read without a warning is taken further.
    if (!dump.standardError.isEmpty())
        return {};

    // Saved over itself, as the user saves an opened book, and read back. The first save may
    // even out what the files left uneven (end markers beyond the extension lines); from then
    // on a save and a read must agree.
    if (subSaveRecordBook(folder.path(), BookName, read))
        return {}; // refused, e.g. a text with a control character
    RecordBookContent settled;
    if (const QString problem = readSaved(ini, fallback, settled); !problem.isEmpty())
        return problem;
    if (const auto refusal = subSaveRecordBook(folder.path(), BookName, settled))
        return QStringLiteral("a saved book cannot be saved again: ") + refusal->description;
    RecordBookContent readBack;
    if (const QString problem = readSaved(ini, fallback, readBack); !problem.isEmpty())
        return problem;
    // Compared field by field first: the dumps of a 1 MB book take seconds to make.
    const RecordBookContent saved = savedContent(settled);
    const RecordBookContent savedAgain = savedContent(readBack);
    if (saved == savedAgain)
        return {};
    const QByteArray before = recordBookToJson(saved);
    const QByteArray after = recordBookToJson(savedAgain);
    return before == after ? QString() : firstDifference(before, after);
}
