#include "app/MainWindow.h"
#include "app/ProcessState.h"
#include "app/frmMain.h"
#include "platform/FontSubstitutions.h"
#include "output/PaperLayout.h"
#include "platform/QtPlatform.h"
#include "view/PictureLoading.h"
#include "view/Zoom.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("catchscale"));
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

    // A picture named on the command line is shown on a picture-sized paper at 100 %.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1
        && subMapDraw(model, arguments.at(1), PictureOrientation::Upright)) {
        process.GE_strPpSize = QStringLiteral("00");
        model.ZoomFactor = 1.0f;
        model.LayoutZoom = 1.0f;
        subSetPaper(model, process.GE_strPpSize);
        subResetPrintArea(model);
        ApplyZoom(model, model.ZoomFactor);
        window.syncFromModel();
    }
    return QApplication::exec();
}
