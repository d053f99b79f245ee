#include "CommandLine.h"

#include "app/HeadlessPlatform.h"
#include "app/SettingsFile.h"
#include "app/frmMain.h"
#include "output/BitmapExport.h"
#include "output/ImageExport.h"
#include "output/OutputCommands.h"
#include "output/PageOutput.h"
#include "output/TiledPages.h"
#include "recordbook/CatchBook.h"
#include "recordbook/ExportTarget.h"
#include "recordbook/FileLookup.h"
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

ExportKind exportKind(CommandLine::Action action)
{
    switch (action) {
    case CommandLine::Action::ExportPdf: return ExportKind::Pdf;
    case CommandLine::Action::ExportBmp: return ExportKind::Bitmap;
    case CommandLine::Action::ExportImage: return ExportKind::Image;
    default: return ExportKind::CatchBook;
    }
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
    const ExportTargetCheck out =
        checkExportTarget(command.output, exportKind(command.action), openBookFiles(form));
    if (out.refusal)
        return failure(ExportFailedStatus, command.output, *out.refusal);
    const ExportTarget &target = out.target;
    std::optional<RuntimeError> error;
    bool noRoom = false;
    atActualSize(form, [&] {
        if (command.action == CommandLine::Action::ExportImage) {
            error = exportImage(target, pageScene(form),
                                {command.kinds, command.dotsPerInch, command.shareSize});
        } else if (command.action != CommandLine::Action::ExportPdf) {
            error = subSaveImage(target, pageScene(form), canvasPixels(form),
                                 form.annotations.shpSnpo[0].FillColor);
        } else if (!command.tileSheetMm) {
            error = writePagePdf(target, pageScene(form), command.kinds,
                                 paperSizeMm(form));
        } else if (const auto plan = planTiles(pageScene(form).printAreaMm, *command.tileSheetMm,
                                               command.overlapMm)) {
            error = writeTiledPdf(target, pageScene(form), command.kinds, *plan);
        } else {
            noRoom = true;
        }
    });
    if (noRoom) {
        return failure(UsageErrorStatus, command.output,
                       QStringLiteral("用紙が小さすぎて、のりしろの外に印刷する場所が残りません。"));
    }
    if (error)
        return failure(ExportFailedStatus, command.output, oneLine(*error));
    return {};
}

CommandOutput exportCatchBook(const CommandLine &command, const QString &executableFolder)
{
    const FolderSettings folders = LoadFolderSettings(settingsFilePath(executableFolder));
    std::vector<CatchRow> rows;
    QStringList bookFiles;
    QByteArray warnings;
    for (const QString &book : command.books) {
        RecordBookContent content;
        const RecordBookLoadResult loaded =
            subLoadRecordBook(book, folders.RecordBookFolder, content);
        if (loaded.error) {
            return failure(UnreadableRecordBookStatus, book,
                           QStringLiteral("記録帳を読み込めません。") + oneLine(*loaded.error));
        }
        warnings += partlyReadLines(book, loaded);
        // The picture is looked for where Open looks for it; the catch book only names it.
        const QString picture =
            content.pictureFileName.isEmpty()
                ? QString()
                : findFileInFolders(content.pictureFileName,
                                    {folders.PictureFolder, QFileInfo(book).absolutePath()})
                      .path;
        bookFiles += recordBookFiles(
            book, {loaded.textFile.path, loaded.lineFile.path, loaded.shapeFile.path}, picture);
        std::vector<CatchRow> more = catchRows(book, content.pictureFileName, content.annotations);
        rows.insert(rows.end(), more.begin(), more.end());
    }
    const ExportTargetCheck out =
        checkExportTarget(command.output, ExportKind::CatchBook, bookFiles);
    CommandOutput result;
    if (out.refusal)
        result = failure(ExportFailedStatus, command.output, *out.refusal);
    else if (const std::optional<RuntimeError> error = writeCatchBook(out.target, rows))
        result = failure(ExportFailedStatus, command.output, oneLine(*error));
    result.standardError.prepend(warnings);
    return result;
}
