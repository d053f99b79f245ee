// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportTarget.h"

#include "RecordBookKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// The extensions of an export's files; the first names the format of a stream that has none.
QStringList extensionsOf(ExportKind kind)
{
    switch (kind) {
    case ExportKind::Pdf: return {QStringLiteral("pdf")};
    case ExportKind::Bitmap: return {QStringLiteral("bmp")};
    case ExportKind::Image:
        return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg")};
    case ExportKind::CatchBook: return {QStringLiteral("csv"), QStringLiteral("jsonl")};
    }
    return {};
}

QString extensionOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// The names under which a process reaches the files it was started with: writing there goes
// into what the shell connected, be it a pipe, a terminal or a file it opened.
bool namesOwnDescriptor(const QString &path)
{
    return path == u"/dev/stdout" || path == u"/dev/stderr" || path.startsWith(u"/dev/fd/")
           || path.startsWith(u"/proc/self/fd/");
}

// The file a name leads to through its links, or for a dangling link the file it would make.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// The file of the book that `target` is, by its inode: a link of either kind reaches it too.
std::optional<QString> bookFileAt(const struct stat &target, const QStringList &bookFiles)
{
    for (const QString &file : bookFiles) {
        struct stat entry{};
        if (::stat(native(file).constData(), &entry) == 0 && entry.st_dev == target.st_dev
            && entry.st_ino == target.st_ino)
            return file;
    }
    return std::nullopt;
}

QString extensionRequest(const QStringList &extensions)
{
    QStringList dotted;
    for (const QString &extension : extensions)
        dotted << u'.' + extension;
    const QString list = dotted.join(u'、');
    return dotted.size() == 1
               ? QStringLiteral("出力ファイルの拡張子は %1 にしてください。").arg(list)
               : QStringLiteral("出力ファイルの拡張子は %1 のどれかにしてください。").arg(list);
}

ExportTargetCheck refuse(const QString &why)
{
    return {{}, why};
}

// While it lives, a reader that goes away makes a write fail with EPIPE instead of ending the
// program (and the unsaved record book with it).
class PipeSignalHeld
{
public:
    PipeSignalHeld()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_before);
    }
    ~PipeSignalHeld()
    {
        // A failed write left the signal pending: it is taken before it could be delivered.
        sigset_t pending;
        sigpending(&pending);
        if (!sigismember(&m_before, SIGPIPE) && sigismember(&pending, SIGPIPE)) {
            int taken = 0;
            sigwait(&m_pipe, &taken);
        }
        pthread_sigmask(SIG_SETMASK, &m_before, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld &) = delete;
    PipeSignalHeld &operator=(const PipeSignalHeld &) = delete;

private:
    sigset_t m_pipe;
    sigset_t m_before;
};

// No program reads the FIFO or pipe, or the one that read it has gone.
RuntimeError nobodyReads()
{
    RuntimeError error = RuntimeError::pathFileAccess();
    error.description += QStringLiteral("\r読み出すプログラムがありません。");
    return error;
}

// Opens a stream for writing. A FIFO's reader, started beside the export, is given a second to
// open its end; after that the FIFO is refused rather than waited on for ever.
int openStream(const QString &path)
{
    constexpr int Tries = 50;
    const QByteArray name = native(path);
    for (int tried = 1;; ++tried) {
        const int fd =
            ::open(name.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0 || errno != ENXIO || tried == Tries)
            return fd;
        ::usleep(20 * 1000);
    }
}

std::optional<RuntimeError> writeInto(const QString &path, const ExportProducer &produce)
{
    const int fd = openStream(path);
    if (fd < 0)
        return errno == ENXIO ? nobodyReads() : RuntimeError::fromErrno(errno);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK); // then a full pipe is waited on
    bool ok = false;
    int error = 0;
    {
        const PipeSignalHeld held;
        ok = produce([fd](const char *data, qsizetype size) {
            return StagedFiles::writeAll(fd, data, size);
        });
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok)
        return error == EPIPE ? nobodyReads() : RuntimeError::fromErrno(error);
    return std::nullopt;
}

} // namespace

ExportTargetCheck checkExportTarget(const QString &path, ExportKind kind,
                                    const QStringList &bookFiles)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList extensions = extensionsOf(kind);
    struct stat entry{};
    const bool exists = ::stat(native(absolute).constData(), &entry) == 0;
    if (!exists && errno != ENOENT) // a loop of links, say: nothing to write through
        return refuse(RuntimeError::fromErrno(errno).description);
    if (exists) {
        if (const std::optional<QString> own = bookFileAt(entry, bookFiles))
            return refuse(QStringLiteral("記録帳のファイル（%1）には書き出せません。").arg(*own));
        if (namesOwnDescriptor(absolute) || S_ISFIFO(entry.st_mode) || S_ISCHR(entry.st_mode)) {
            const QString named = extensionOf(absolute);
            return {{absolute, extensions.contains(named) ? named : extensions.first(), true}, {}};
        }
        if (!S_ISREG(entry.st_mode)) {
            return refuse(QStringLiteral("通常のファイルでも FIFO でも端末などのデバイスでもない"
                                         "ため書き出せません。"));
        }
    }
    const QString target = resolved(absolute);
    const QString linked =
        target == absolute ? QString() : QStringLiteral("（リンク先 %1）").arg(target);
    if (absolute.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive)
        || target.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
        return refuse(QStringLiteral(".ini ファイル%1には書き出せません。").arg(linked));
    if (!extensions.contains(extensionOf(absolute)) || !extensions.contains(extensionOf(target)))
        return refuse(extensionRequest(extensions) + linked);
    return {{absolute, extensionOf(absolute), false}, {}};
}

QStringList recordBookFiles(const QString &iniPath, const QStringList &objectFiles,
                            const QString &picturePath)
{
    using namespace recordbookkeys;
    QStringList files = objectFiles;
    files << picturePath;
    if (!iniPath.isEmpty()) {
        const QFileInfo ini(iniPath);
        const QString base = ini.dir().filePath(baseName(ini.fileName()));
        files << iniPath << base + TextFileSuffix << base + LineFileSuffix
              << base + ShapeFileSuffix;
    }
    files.removeAll(QString());
    return files;
}

std::optional<RuntimeError> writeExport(const ExportTarget &target, const ExportProducer &produce)
{
    if (target.stream)
        return writeInto(target.path, produce);
    const QFileInfo file(target.path);
    StagedFiles staged(file.absolutePath(), StagedFiles::Durability::Unsynced);
    if (auto error = staged.stageWritten(file.fileName(), produce))
        return error;
    return staged.commit();
}

std::optional<RuntimeError> writeExport(const ExportTarget &target, const QByteArray &bytes)
{
    return writeExport(target, [&bytes](const StagedFiles::Sink &sink) {
        return sink(bytes.constData(), bytes.size());
    });
}
