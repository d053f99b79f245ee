#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ProcessState.h"
#include "app/SettingsFile.h"
#include "app/frmMain.h"
#include "platform/FontSubstitutions.h"
#include "platform/QtPlatform.h"
#include "recordbook/RecordBookCommands.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

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

// --dump: no window, so no display is needed; labels are still sized with the real fonts.
int runDump(int argc, char **argv, const QString &iniPath)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    const QString settings = settingsFilePath(QCoreApplication::applicationDirPath());
    const CommandOutput output =
        dumpRecordBook(iniPath, LoadFolderSettings(settings).RecordBookFolder);
    write(stdout, output.standardOutput);
    write(stderr, output.standardError);
    return output.exitStatus;
}

// The exports: no window either.
int runExport(int argc, char **argv, const CommandLine &command)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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

// Options of Qt's own (-platform, -style …) are taken out when the application is made.
bool mayHoldQtOptions(const QStringList &arguments)
{
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const QString &argument) {
        return argument.startsWith(u'-') && argument != QLatin1String("--dump")
               && !argument.startsWith(QLatin1String("--export-"))
               && argument != QLatin1String("--kinds");
    });
}

int runWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("catchscale"));
    // Lets the desktop match the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.catchscale.CatchScale"));
    // Parsed again now that Qt has taken its own options (-platform, -style …) out.
    const CommandLine command = parseCommandLine(QCoreApplication::arguments());
    if (command.action == CommandLine::Action::Invalid)
        return refuse(command);
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
    const QStringList arguments = rawArguments(argc, argv);
    const CommandLine command = parseCommandLine(arguments);
    switch (command.action) {
    case CommandLine::Action::Dump:
        return runDump(argc, argv, command.path);
    case CommandLine::Action::ExportPdf:
    case CommandLine::Action::ExportBmp:
    case CommandLine::Action::ExportImage:
    case CommandLine::Action::ExportCsv:
        return runExport(argc, argv, command);
    case CommandLine::Action::ShowUsage:
        write(stdout, commandLineUsage().toUtf8());
        return 0;
    case CommandLine::Action::ShowVersion:
        write(stdout, commandLineVersion().toUtf8());
        return 0;
    case CommandLine::Action::Invalid:
        if (!mayHoldQtOptions(arguments))
            return refuse(command);
        return runWindow(argc, argv); // decided again once Qt has taken its options
    default:
        return runWindow(argc, argv);
    }
}
