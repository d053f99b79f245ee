// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "measure/ProcessState.h"
#include "platform/SettingsFile.h"
#include "app/frmMain.h"
#include "platform/FontSubstitutions.h"
#include "app/QtPlatform.h"
#include "app/RecordBookCommands.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <vector>

namespace {

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QStringList rawArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The command line Qt gets: the program and Qt's own options alone, since the files and the
// program's options have been decided already. Lives as long as the application.
class QtArguments
{
public:
    QtArguments(const char *program, const QStringList &options)
    {
        m_storage << QByteArray(program);
        for (const QString &option : options)
            m_storage << option.toLocal8Bit();
        for (QByteArray &argument : m_storage)
            m_pointers.push_back(argument.data());
        m_pointers.push_back(nullptr);
        m_count = int(m_storage.size());
    }
    QtArguments(const QtArguments &) = delete;
    QtArguments &operator=(const QtArguments &) = delete;

    int &argc() { return m_count; }
    char **argv() { return m_pointers.data(); }

private:
    QList<QByteArray> m_storage;
    std::vector<char *> m_pointers;
    int m_count = 0;
};

// Without a window the program alone speaks: Qt's warnings (XDG_RUNTIME_DIR unset under cron or
// su, say) would read as trouble on a command that went well. Only its errors get through.
void keepQtQuiet()
{
    static const QtMessageHandler qtsOwn = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                qtsOwn(type, context, message);
        });
}

// --dump: no window, so no display is needed; labels are still sized with the real fonts.
int runDump(QtArguments &arguments, const QString &iniPath)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepQtQuiet();
    QGuiApplication app(arguments.argc(), arguments.argv());
    installFontSubstitutions();
    const QString settings = settingsFilePath(QCoreApplication::applicationDirPath());
    const CommandOutput output =
        dumpRecordBook(iniPath, LoadFolderSettings(settings).RecordBookFolder);
    write(stdout, output.standardOutput);
    write(stderr, output.standardError);
    return output.exitStatus;
}

// The exports: no window either.
int runExport(QtArguments &arguments, const CommandLine &command)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepQtQuiet();
    QGuiApplication app(arguments.argc(), arguments.argv());
    installFontSubstitutions();
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const CommandOutput output = command.action == CommandLine::Action::ExportCsv
                                     ? exportCatchBook(command, executableFolder)
                                     : exportRecordBook(command, executableFolder);
    write(stdout, output.standardOutput);
    write(stderr, output.standardError);
    return output.exitStatus;
}

int refuse(const CommandLine &command)
{
    write(stderr,
          (QStringLiteral("catchscale: ") + command.error + u'\n' + commandLineHelpHint())
              .toUtf8());
    return UsageErrorStatus;
}

int runWindow(QtArguments &arguments, const CommandLine &command)
{
    QApplication app(arguments.argc(), arguments.argv());
    QApplication::setApplicationName(QStringLiteral("catchscale"));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.catchscale.CatchScale"));
    installFontSubstitutions();

    // Qt's own dialogs speak Japanese like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QtPlatform platform;
    ProcessState process;
    frmMain model(process, platform);
    const QScreen *screen = QGuiApplication::primaryScreen();
    model.Form_Load({QCoreApplication::applicationDirPath(),
                     screen ? screen->size() : QSize(1920, 1080)});

    MainWindow window(model, platform);
    platform.setMainWindow(&window);
    window.show();

    // A file named on the command line opens once the window stands, so that its questions and
    // messages come up over it.
    if (command.action == CommandLine::Action::OpenRecordBook
        || command.action == CommandLine::Action::NewFromPicture) {
        QTimer::singleShot(0, &window, [&] {
            if (command.action == CommandLine::Action::OpenRecordBook) {
                settleInterruptedSave(model, command.path);
                openRecordBook(model, command.path);
            } else {
                newRecordBook(model, command.path);
            }
            window.syncFromModel();
        });
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine command = parseCommandLine(rawArguments(argc, argv));
    QtArguments qtArguments(argv[0], command.windowOptions);
    switch (command.action) {
    case CommandLine::Action::Dump:
        return runDump(qtArguments, command.path);
    case CommandLine::Action::ExportPdf:
    case CommandLine::Action::ExportBmp:
    case CommandLine::Action::ExportImage:
    case CommandLine::Action::ExportCsv:
        return runExport(qtArguments, command);
    case CommandLine::Action::ShowUsage:
        write(stdout, commandLineUsage().toUtf8());
        return 0;
    case CommandLine::Action::ShowVersion:
        write(stdout, commandLineVersion().toUtf8());
        return 0;
    case CommandLine::Action::Invalid:
        return refuse(command);
    default:
        return runWindow(qtArguments, command);
    }
}
