#include "CommandLine.h"

#include "app/HeadlessPlatform.h"
#include "app/SettingsFile.h"
#include "app/frmMain.h"
#include "output/BitmapExport.h"
#include "output/ImageExport.h"
#include "output/OutputCommands.h"
#include "output/PageChecks.h"
#include "output/PageOutput.h"
#include "output/TiledPages.h"
#include "recordbook/CatchBook.h"
#include "recordbook/RecordBook.h"
#include "recordbook/RecordBookCommands.h"

#include <QFileInfo>

namespace {

CommandOutput failure(int status, const QString &path, const QString &why)
{
    CommandOutput output;
    output.exitStatus = status;
    output.standardError =
        (QStringLiteral("catchscale: ") + path + QStringLiteral(": ") + why + u'\n').toUtf8();
    return output;
}

QString oneLine(const RuntimeError &error)
{
    QString text = error.description + QStringLiteral("（ｴﾗｰ番号 %1）").arg(error.number);
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

CommandOutput exportRecordBook(const CommandLine &command, const QString &executableFolder)
{
    HeadlessPlatform platform;
    ProcessState process;
    frmMain form(process, platform);
    form.Form_Load({executableFolder, QSize(1920, 1080)});
    openRecordBook(form, command.path);
    if (!platform.messages().isEmpty() || !form.pictMapHasPicture)
        return failure(UnreadableRecordBookStatus, command.path,
                       QStringLiteral("記録帳を開けません。")
                           + platform.messages().value(0, QStringLiteral("画像がありません。")));
    if (const auto refused = emptyPrintAreaText(pageScene(form).printAreaMm))
        return failure(ExportFailedStatus, command.output, *refused);
    std::optional<RuntimeError> error;
    bool noRoom = false;
    std::optional<QString> refused;
    atActualSize(form, [&] {
        const PageScene scene = pageScene(form);
        if (command.action == CommandLine::Action::ExportImage) {
            error = exportImage(command.output, scene,
                                {command.kinds, command.dotsPerInch, command.shareSize});
        } else if (command.action != CommandLine::Action::ExportPdf) {
            error = subSaveImage(command.output, scene, canvasPixels(form),
                                 form.annotations.shpSnpo[0].FillColor);
        } else if (!command.tileSheetMm) {
            refused = oversizePdfPageText(
                paperSizeMm(form), QStringLiteral("--tile で用紙を選んで分けてください。"));
            if (!refused)
                error = writePagePdf(command.output, scene, command.kinds, paperSizeMm(form));
        } else if (const auto plan = planTiles(printAreaBoundsOnPaper(scene),
                                               *command.tileSheetMm, command.overlapMm)) {
            refused = tooManySheetsText(*plan);
            if (!refused)
                error = writeTiledPdf(command.output, scene, command.kinds, *plan);
        } else {
            noRoom = true;
        }
    });
    if (noRoom) {
        return failure(UsageErrorStatus, command.output,
                       QStringLiteral("用紙が小さすぎて、のりしろの外に印刷する場所が残りません。"));
    }
    if (refused)
        return failure(ExportFailedStatus, command.output, *refused);
    if (error)
        return failure(ExportFailedStatus, command.output, oneLine(*error));
    return {};
}

CommandOutput exportCatchBook(const CommandLine &command, const QString &executableFolder)
{
    const QString fallback =
        LoadFolderSettings(settingsFilePath(executableFolder)).RecordBookFolder;
    std::vector<CatchRow> rows;
    for (const QString &book : command.books) {
        RecordBookContent content;
        const RecordBookLoadResult loaded = subLoadRecordBook(book, fallback, content);
        if (loaded.error) {
            return failure(UnreadableRecordBookStatus, book,
                           QStringLiteral("記録帳を読み込めません。") + oneLine(*loaded.error));
        }
        std::vector<CatchRow> more = catchRows(book, content.pictureFileName, content.annotations);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    const std::optional<RuntimeError> error = writeCatchBook(command.output, rows);
    if (error)
        return failure(ExportFailedStatus, command.output, oneLine(*error));
    return {};
}
