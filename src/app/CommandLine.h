#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the program was asked to do on its command line, as a file manager or a shell starts it:
//   catchscale                    the empty window
//   catchscale BOOK.ini           opens that record book
//   catchscale PICTURE            starts a new record book from that picture
//   catchscale --dump BOOK.ini    prints the record book as the reader understood it, as JSON,
//                                 without opening a window
//   catchscale --help             the usage text
struct CommandLine
{
    enum class Action { Start, OpenRecordBook, NewFromPicture, Dump, ShowUsage, Invalid };

    Action action = Action::Start;
    QString path;  // the file named, made absolute
    QString error; // why the command line was refused (Invalid)
};

// `arguments` as the process got them, the program itself first. A file ending in ".ini" (in
// any case) is a record book; any other file is taken for a picture.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();

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

// --dump: reads the record book at iniPath (object files missing beside it are looked up in
// fallbackFolder, the record-book folder setting) and renders it as JSON. An .ini that cannot be
// read is an error; an object file that stops at a damaged record is only a warning, as the
// program itself goes on with what it read.
CommandOutput dumpRecordBook(const QString &iniPath, const QString &fallbackFolder);
