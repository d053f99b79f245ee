// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What an export may write: never the record book it was made from, never a file of another
// kind, never over a device or a FIFO; into a FIFO, a device or a descriptor it writes as asked.
#include "CalibratedBook.h"

#include "app/CommandLine.h"
#include "output/TilePreview.h"
#include "output/dlgPrinter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <functional>
#include <iostream>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Every entry of the folder as it stands, a line each: its kind and inode, where a link points,
// a digest of what a regular file holds. A FIFO or a device is never read.
QString folderState(const QString &folder)
{
    QStringList state;
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString &name : QDir(folder).entryList(filter, QDir::Name)) {
        const QString path = folder + u'/' + name;
        struct stat entry{};
        ::lstat(native(path).constData(), &entry);
        QString line =
            QStringLiteral("%1 %2 %3 ").arg(name).arg(entry.st_mode, 0, 8).arg(entry.st_ino);
        if (S_ISLNK(entry.st_mode))
            line += QFile::symLinkTarget(path);
        if (S_ISREG(entry.st_mode)) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            line += QString::fromLatin1(
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        state << line;
    }
    return state.join(u'\n');
}

// A socket file, as a program listening on one leaves it.
void makeSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = native(path);
    ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

// A character device like /dev/full (1, 7) or /dev/null (1, 3); only root may make one.
bool makeDevice(const QString &path, unsigned minor)
{
    return ::mknod(native(path).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

bool isCharacterDevice(const QString &path)
{
    struct stat entry{};
    return ::lstat(native(path).constData(), &entry) == 0 && S_ISCHR(entry.st_mode);
}

CommandOutput runExport(const CalibratedBook &book, const char *option, const QString &out)
{
    const CommandLine command = parseCommandLine(
        {QStringLiteral("catchscale"), QLatin1String(option), out, book.iniPath});
    EXPECT_NE(command.action, CommandLine::Action::Invalid) << command.error.toStdString();
    const QString executableFolder = book.started.folder.path();
    return command.action == CommandLine::Action::ExportCsv
               ? exportCatchBook(command, executableFolder)
               : exportRecordBook(command, executableFolder);
}

QByteArray readAvailable(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, got);
    return bytes;
}

const QByteArray CsvStart = "\xEF\xBB\xBF\"記録帳\"";

} // namespace

// The record book is catch.ini with catch.bmp and its three object files beside it, made afresh
// for each row. Each name given as OUT is refused with one line and exit 3, and nothing in the
// book's folder changes; or it is a FIFO, a device or a descriptor, written into and left as it
// was.
TEST(ExportTarget, NothingOfTheBookNorAnythingButAFileOfTheExportsKindIsReplaced)
{
    QString folder; // the book's, in the row being run
    const auto at = [&folder](const char *name) { return folder + u'/' + QLatin1String(name); };
    const auto link = [&](const char *target, const char *name) {
        ASSERT_TRUE(QFile::link(QLatin1String(target), at(name)));
    };
    const auto hardLink = [&](const char *target, const char *name) {
        ASSERT_EQ(::link(native(at(target)).constData(), native(at(name)).constData()), 0);
    };
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto fifo = [&](const char *name) {
        ASSERT_EQ(::mkfifo(native(at(name)).constData(), 0600), 0);
    };
    int reader = -1; // the FIFO's reading end, in the row that opens one
    QTemporaryDir elsewhere;
    const QString log = elsewhere.filePath(QStringLiteral("log"));
    const int logFd = ::open(native(log).constData(), O_WRONLY | O_CREAT, 0600);
    const auto inode = [](const struct stat &entry) { return entry.st_ino; };

    const QString own = QStringLiteral("記録帳のファイル");
    const QString anyIni = QStringLiteral(".ini ファイル");
    const QString extension = QStringLiteral("拡張子");
    const QString special = QStringLiteral("通常のファイル");
    struct Row
    {
        const char *what;
        const char *option;
        QString out; // in the book's folder unless absolute
        std::function<void()> setUp;
        int status;
        QString line;                  // what the one line says, for a refusal
        std::function<void()> written; // what was written into the target, for a success
        bool rootOnly = false;         // the target is a device made by setUp
    };
    const Row rows[] = {
        {"the book's .ini", "--export-pdf", "catch.ini", {}, 3, own, {}},
        {"its picture", "--export-bmp", "catch.bmp", {}, 3, own, {}},
        {"an object file, through a link named as a CSV", "--export-csv", "text.csv",
         [&] { link("catch_Text.Bin", "text.csv"); }, 3, own, {}},
        {"the .ini under a second name (a hard link)", "--export-pdf", "hard.pdf",
         [&] { hardLink("catch.ini", "hard.pdf"); }, 3, own, {}},
        {"another book's .ini", "--export-csv", "other.ini",
         [&] { write("other.ini", "[x]\r\n"); }, 3, anyIni, {}},
        {"a link to an .ini", "--export-pdf", "notes.pdf",
         [&] {
             write("other.ini", "[x]\r\n");
             link("other.ini", "notes.pdf");
         },
         3, anyIni, {}},
        {"a dangling link to an .ini not there yet", "--export-csv", "new.csv",
         [&] { link("fresh.ini", "new.csv"); }, 3, anyIni, {}},
        {"a wrong extension", "--export-pdf", "notes.txt", [&] { write("notes.txt", "mine"); }, 3,
         extension, {}},
        {"a wrong extension behind a link", "--export-csv", "list.csv",
         [&] {
             write("notes.txt", "mine");
             link("notes.txt", "list.csv");
         },
         3, extension, {}},
        {"a folder", "--export-pdf", "folder.pdf",
         [&] { ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("folder.pdf"))); }, 3, special, {}},
        {"a socket", "--export-bmp", "socket.bmp", [&] { makeSocket(at("socket.bmp")); }, 3,
         special, {}},
        {"a FIFO nobody reads", "--export-csv", "fifo.csv", [&] { fifo("fifo.csv"); }, 3,
         QStringLiteral("読み出す"), {}},
        {"a FIFO with a reader", "--export-csv", "fifo.csv",
         [&] {
             fifo("fifo.csv");
             reader = ::open(native(at("fifo.csv")).constData(), O_RDONLY | O_NONBLOCK);
         },
         0, {},
         [&] {
             EXPECT_TRUE(readAvailable(reader).startsWith(CsvStart));
             ::close(reader);
         }},
        {"a descriptor the program was given, as /dev/stdout is", "--export-csv",
         QStringLiteral("/proc/self/fd/%1").arg(logFd), {}, 0, {},
         [&] {
             struct stat byName{}, byDescriptor{};
             ::stat(native(log).constData(), &byName);
             ::fstat(logFd, &byDescriptor);
             EXPECT_EQ(inode(byName), inode(byDescriptor)) << "written into, not replaced";
             QFile file(log);
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             EXPECT_TRUE(file.readAll().startsWith(CsvStart));
         }},
        {"a device that is full, as /dev/full is", "--export-pdf", "full.pdf",
         [&] { makeDevice(at("full.pdf"), 7); }, 3,
         QStringLiteral("ディスクの空き容量が不足しています"), {}, true},
        {"a device that takes everything, as /dev/null does", "--export-pdf", "null.pdf",
         [&] { makeDevice(at("null.pdf"), 3); }, 0, {},
         [&] { EXPECT_TRUE(isCharacterDevice(at("null.pdf"))); }, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const CalibratedBook book;
        folder = book.started.folder.path();
        const QString out = QFileInfo(row.out).isAbsolute() ? row.out : folder + u'/' + row.out;
        if (row.setUp)
            row.setUp();
        if (row.rootOnly && !isCharacterDevice(out)) {
            std::cout << "skipped, only root makes a device: " << row.what << '\n';
            continue;
        }
        const QString before = folderState(folder);
        const CommandOutput result = runExport(book, row.option, out);
        EXPECT_EQ(result.exitStatus, row.status);
        EXPECT_EQ(folderState(folder).toStdString(), before.toStdString()) << "the folder changed";
        if (row.status != 0) {
            const QString error = QString::fromUtf8(result.standardError);
            EXPECT_TRUE(error.startsWith(QStringLiteral("catchscale: ") + out + u':'))
                << error.toStdString();
            EXPECT_TRUE(error.contains(row.line)) << error.toStdString();
            EXPECT_EQ(error.count(u'\n'), 1) << error.toStdString();
        }
        if (row.written)
            row.written();
    }
    ::close(logFd);
}

// The window's save dialogs of the exports refuse the same files, each with a message box, and
// write nothing.
TEST(ExportTarget, TheWindowsSaveDialogsRefuseTheBooksOwnFiles)
{
    CalibratedBook book;
    ScriptedPlatform &platform = book.started.platform;
    platform.usePrinterDialog = [](dlgPrinter &dialog) {
        dialog.cmbPrinter_Click(dlgPrinter::PdfFileEntry);
        dialog.cmdPrint_Click();
    };
    platform.useTilePreview = [](TilePreview &) { return platform::TileChoice::OnePage; };
    const struct
    {
        const char *item;
        const char *answer;
    } rows[] = {
        {"mnuFileSaveAsImg", "catch.bmp"},
        {"mnuFileExportImg", "catch.ini"},
        {"mnuFileExportCsv", "catch_Text.Bin"},
        {"mnuFilePrint", "catch.ini"},
    };
    const QString folder = book.started.folder.path();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.item);
        platform.messages.clear();
        const QString before = folderState(folder);
        platform.fileAnswers.push_back(folder + u'/' + QLatin1String(row.answer));
        book.started.form.runCommand(QLatin1String(row.item));
        EXPECT_EQ(folderState(folder).toStdString(), before.toStdString());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("記録帳のファイル")))
            << platform.messages[0].text.toStdString();
        EXPECT_EQ(platform.messages[0].icon, platform::MessageIcon::Warning);
    }
}
