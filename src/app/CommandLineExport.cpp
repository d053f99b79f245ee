// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "app/HeadlessPlatform.h"
#include "platform/SettingsFile.h"
#include "app/frmMain.h"
#include "output/BitmapExport.h"
#include "output/ImageExport.h"
#include "app/OutputCommands.h"
#include "output/PageChecks.h"
#include "output/PageOutput.h"
#include "output/PrintedLabels.h"
#include "output/TiledPages.h"
#include "output/CatchBook.h"
#include "recordbook/ExportTarget.h"
#include "recordbook/FileLookup.h"
#include "recordbook/RecordBook.h"
#include "app/RecordBookCommands.h"

#include <QFileInfo>

namespace {

QByteArray line(const QString &path, const QString &text)
{
    return (QStringLiteral("catchscale: ") + path + QStringLiteral(": ") + text + u'\n').toUtf8();
}

CommandOutput failure(int status, const QString &path, const QString &why)
{
    CommandOutput output;
    output.exitStatus = status;
    output.standardError = line(path, why);
    return output;
}

// The cause in words where it is known, else the classic description and its number.
QString oneLine(const RuntimeError &error)
{
    QString text = error.cause.isEmpty()
                       ? error.description + QStringLiteral("（ｴﾗｰ番号 %1）").arg(error.number)
                       : error.cause;
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

// What an export whose text prints too small to read says, and how to print it larger.
QString smallTextWarning(double points, TextSize size)
{
    QString text = QStringLiteral("文字が最小 %1 pt で印刷され、小さすぎて読めないおそれがあります。")
                       .arg(QString::number(points, 'f', 1));
    if (size == TextSize::FollowsPicture)
        text += QStringLiteral("--text-size own を付けると、それぞれの大きさで印刷します。");
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
    if (!platform.messages().isEmpty() || !form.view.pictMapHasPicture)
        return failure(UnreadableRecordBookStatus, command.path,
                       QStringLiteral("記録帳を開けません。")
                           + platform.messages().value(0, QStringLiteral("画像がありません。")));
    if (const auto refused = emptyPrintAreaText(pageScene(form).printAreaMm))
        return failure(ExportFailedStatus, command.output, *refused);
    const ExportTargetCheck out =
        checkExportTarget(command.output, exportKind(command.action), openBookFiles(form));
    if (out.refusal)
        return failure(ExportFailedStatus, command.output, *out.refusal);
    const ExportTarget &target = out.target;
    std::optional<RuntimeError> error;
    bool noRoom = false;
    std::optional<QString> refused;
    std::optional<double> smallestText; // of a page printed at actual size
    {
        const ActualSizePage page(form);
        PageScene scene = page.scene();
        scene.textSize = command.textSize;
        const bool actualSize = command.action == CommandLine::Action::ExportPdf
                                || (command.action == CommandLine::Action::ExportImage
                                    && !command.shareSize);
        if (actualSize)
            smallestText = smallestTextPoints(scene, command.kinds);
        if (command.action == CommandLine::Action::ExportImage) {
            error = exportImage(target, scene,
                                {command.kinds, command.dotsPerInch, command.shareSize});
        } else if (command.action != CommandLine::Action::ExportPdf) {
            error = subSaveImage(target, scene, page.canvasPixels(),
                                 form.annotations.shpSnpo[0].FillColor);
        } else if (!command.tileSheetMm) {
            refused = oversizePdfPageText(
                page.paperSizeMm(), QStringLiteral("--tile で用紙を選んで分けてください。"));
            if (!refused)
                error = writePagePdf(target, scene, command.kinds, page.paperSizeMm());
        } else if (const auto plan = planTiles(printAreaBoundsOnPaper(scene),
                                               *command.tileSheetMm, command.overlapMm)) {
            refused = tooManySheetsText(*plan);
            if (!refused)
                error = writeTiledPdf(target, scene, command.kinds, *plan);
        } else {
            noRoom = true;
        }
    }
    if (noRoom) {
        return failure(UsageErrorStatus, command.output,
                       QStringLiteral("用紙が小さすぎて、のりしろの外に印刷する場所が残りません。"));
    }
    if (refused)
        return failure(ExportFailedStatus, command.output, *refused);
    if (error)
        return failure(ExportFailedStatus, command.output, oneLine(*error));
    CommandOutput output;
    if (smallestText && *smallestText < SmallestReadablePoints)
        output.standardError =
            line(command.output, smallTextWarning(*smallestText, command.textSize));
    return output;
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
