// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RuntimeError.h"
#include "recordbook/StagedFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The file an export writes. The user names it, but an export never destroys what it was made
// from nor a file of another kind: a name is refused when it is (after its links, hard ones too)
// a file of the record book or any .ini, when it or the file its link names lacks the export's
// extension, and when it is a folder, a socket or a block device. A FIFO, a character device
// (a terminal, /dev/null) and a descriptor the program was started with (/dev/stdout) are
// written into as they stand; any other file is written whole under a temporary name and then
// put in place.

// What an export writes, and so which extensions its file may have.
enum class ExportKind { Pdf, Bitmap, Image, CatchBook };

struct ExportTarget
{
    QString path;        // as named, made absolute
    QString format;      // the extension that says the format, in lower case: "pdf", "jsonl" …
    bool stream = false; // written into as it stands, not replaced
};

struct ExportTargetCheck
{
    ExportTarget target;
    std::optional<QString> refusal; // why the file may not be written, in words for the user
};

// `bookFiles` are the files of the record book the export is made from.
ExportTargetCheck checkExportTarget(const QString &path, ExportKind kind,
                                    const QStringList &bookFiles);

// The files of a record book that no export may replace: its .ini, the object files it was read
// from and those a save writes beside the .ini, and its picture. Empty paths are left out.
QStringList recordBookFiles(const QString &iniPath, const QStringList &objectFiles,
                            const QString &picturePath);

// Writes what `produce` gives through its sink. A file is replaced whole, so a failure leaves
// what was there; a stream takes the bytes as they come. A FIFO that no program opens within a
// second is an error rather than a wait, and a reader that goes away ends the write with one.
using ExportProducer = std::function<bool(const StagedFiles::Sink &)>;
std::optional<RuntimeError> writeExport(const ExportTarget &target, const ExportProducer &produce);
std::optional<RuntimeError> writeExport(const ExportTarget &target, const QByteArray &bytes);
