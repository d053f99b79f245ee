// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBookCommands.h"

#include "annotations/ObjectRedisplay.h"
#include "recordbook/CatchTemplate.h"
#include "recordbook/DamagedFiles.h"
#include "recordbook/FileLookup.h"
#include "recordbook/InterruptedSave.h"
#include "recordbook/RecordBook.h"
#include "document/AnnotationStore.h"
#include "platform/SettingsFile.h"
#include "app/UnsavedChanges.h"
#include "app/ToolModes.h"
#include "platform/Version.h"
#include "app/frmMain.h"
#include "measure/MeasurePopup.h"
#include "measure/PointerEvents.h"
#include "app/PaperCommands.h"
#include "output/PaperLayout.h"
#include "app/DisplayToggles.h"
#include "document/ScaleModel.h"
#include "app/ScaleOptionCommand.h"
#include "app/Zoom.h"

#include <QFileInfo>

#include <cmath>
#include <functional>
#include <optional>

namespace {

QString inFolder(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

platform::FileDialogRequest pictureDialog(const frmMain &form)
{
    const QString folder = form.process.PictureFolder;
    return {QStringLiteral("イメージデータを開きます"), folder,
            inFolder(folder, QStringLiteral("*.bmp")), QStringLiteral("jpg"),
            QStringLiteral("BMP(*.bmp)|*.bmp|JPEG(*.jpg)|*.jpg|GIF(*.gif)|*.gif")};
}

platform::FileDialogRequest recordBookDialog(const frmMain &form, bool save)
{
    const QString folder = form.process.RecordBookFolder;
    return {save ? QStringLiteral("名前を付けて保存") : QStringLiteral("記録帳を開きます"), folder,
            inFolder(folder, QStringLiteral("*.ini")), QStringLiteral("ini"),
            save ? QStringLiteral("(*.ini)|*.ini") : QStringLiteral("Init(*.ini)|*.ini")};
}

void reportFailure(frmMain &form, const char *handler, const RuntimeError &error)
{
    form.platform.showHandlerError(handler, error);
}

RuntimeError missingFile(const QString &name)
{
    RuntimeError error = RuntimeError::fileNotFound();
    error.description += QLatin1Char('\r') + name;
    return error;
}

void setMenuEnabled(frmMain &form, const char *item, bool enabled)
{
    form.menus[QLatin1String(item)].enabled = enabled;
}

// Every annotation goes, and with it any measurement or leader drag still open on the canvas.
void eraseAnnotations(frmMain &form)
{
    popMesObjDel_Click(form.measuring);
    form.annotations.ClearLeaderLines();
    form.annotations.ClearTextLabels();
    form.canvas = CanvasState{};
}

// A new or opened book starts with no history and unchanged, however far its opening got.
class FreshHistory
{
public:
    explicit FreshHistory(frmMain &form) : m_form(form) {}
    ~FreshHistory() { m_form.document.reset(); }
    FreshHistory(const FreshHistory &) = delete;
    FreshHistory &operator=(const FreshHistory &) = delete;

private:
    frmMain &m_form;
};

// Before a save replaces an object file that opened damaged, a copy of it is kept; the user is
// told once the save is done. Once saved, the book no longer stands on the damaged files.
std::optional<RuntimeError> keepDamagedAndWrite(
    frmMain &form, const QString &folder, const QString &fileName,
    const std::function<std::optional<RuntimeError>()> &write)
{
    QStringList &damaged = form.recordBook.damagedFiles;
    const KeptDamagedFiles kept = keepDamagedFiles(damaged, folder, fileName);
    if (kept.error)
        return kept.error;
    for (const QString &original : kept.originals)
        damaged.removeOne(original); // kept once is enough, whatever the save comes to
    const std::optional<RuntimeError> error = write();
    if (error)
        return error;
    damaged.clear();
    if (!kept.copies.isEmpty()) {
        form.platform.showOk(QStringLiteral("記録帳の保存"), keptDamagedText(kept.copies),
                             platform::MessageIcon::Information);
    }
    return std::nullopt;
}

// Writes the record book as it is laid out at 100 %, so that the stored geometry never depends
// on the zoom it was drawn at: a copy is laid out as the zoom to 100 % would, and the view stays
// where it is.
std::optional<RuntimeError> writeAtFullSize(frmMain &form, const QString &folder,
                                            const QString &fileName)
{
    dropUnfinishedStroke(form.measuring);
    AnnotationStore annotations = form.annotations;
    LiveObjects live = form.live; // the print area
    float layoutZoom = form.view.LayoutZoom;
    if (form.view.ZoomFactor != 1.0f)
        subDisp_Object(annotations, live, layoutZoom, 1.0f, form.platform);
    std::optional<RuntimeError> error = keepDamagedAndWrite(form, folder, fileName, [&] {
        return subSaveRecordBook(folder, fileName, form.recordBook.pictureFileName, form.scale,
                                 annotations, ownPrintAreaMm(live, layoutZoom));
    });
    if (!error)
        form.document.markSaved();
    return error;
}

} // namespace

void mnuFileNewPrj_Click(frmMain &form)
{
    if (!mayLetChangesGo(form))
        return;
    const std::optional<QString> picture = form.platform.chooseOpenFile(pictureDialog(form));
    if (picture)
        newRecordBook(form, *picture);
}

void newRecordBook(frmMain &form, const QString &picturePath)
{
    const FreshHistory fresh(form);
    unloadOptionDialog(form);
    eraseAnnotations(form);
    form.recordBook.damagedFiles.clear();
    // The new book has no file until it is saved as one; the book before keeps its own.
    form.recordBook.folder.clear();
    form.recordBook.fileName.clear();
    setMenuEnabled(form, "mnuFileSavePrj", false);
    form.scale.GE_strPpSize = QStringLiteral("00");
    if (!QFileInfo(picturePath).isFile()) {
        reportFailure(form, "mnuFileOpenMap_Click", missingFile(picturePath));
        return;
    }
    if (!subMapDraw(form, picturePath, PictureOrientation::Upright))
        return; // the picture load has told the user why
    form.recordBook.pictureFileName = SplitPath(picturePath).fileName;
    form.recordBook.picturePath = QFileInfo(picturePath).absoluteFilePath();
    form.recordBook.objectFiles.clear();
    form.recordBook.hasOwnFile = false;
    setMenuEnabled(form, "mnuFileSavePrj", true); // it asks for a name, as Save As does
    setMenuEnabled(form, "mnuFileSaveAsPrj", true);
    form.view.ZoomFactor = 1.0f;
    form.view.LayoutZoom = 1.0f;
    mnuToolMes_Click(form);
    setMenuEnabled(form, "mnuFileSaveAsImg", true);
    setMenuEnabled(form, "mnuFileExportImg", true);
    setMenuEnabled(form, "mnuFileExportCsv", true);
    const platform::MessageAnswer answer = form.platform.showMessage(
        {QStringLiteral("文字列テンプレート"), QStringLiteral("文字列テンプレートを作成しますか？"),
         platform::MessageIcon::Question, platform::MessageButtons::YesNo});
    if (answer == platform::MessageAnswer::Yes)
        subMakeTemplate(form.annotations);
    subSetPaper(form, form.scale.GE_strPpSize);
    subResetPrintArea(form.live, form.platform);
    ApplyZoom(form, form.view.ZoomFactor);
    zoomOutToFit(form);
}

void mnuFileOpenPrj_Click(frmMain &form)
{
    if (!mayLetChangesGo(form))
        return;
    const std::optional<QString> book =
        form.platform.chooseOpenFile(recordBookDialog(form, false));
    if (!book)
        return;
    settleInterruptedSave(form, *book);
    openRecordBook(form, *book);
}

void openRecordBook(frmMain &form, const QString &iniPath)
{
    const FreshHistory fresh(form);
    OpenRecordBook &book = form.recordBook;
    const SplitPathResult parts = SplitPath(iniPath);
    book.folder = parts.folder;
    book.fileName = parts.fileName;
    book.hasOwnFile = false;
    unloadOptionDialog(form);
    form.SetScaleDefaults();
    eraseAnnotations(form);
    if (form.menus[QStringLiteral("mnuDispAxis")].checked)
        mnuDispAxis_Click(form); // unchecks it and hides the seven boxes
    mnuToolMes_Click(form);

    const auto fail = [&form](const RuntimeError &error) {
        setMenuEnabled(form, "mnuFileSavePrj", false);
        reportFailure(form, "mnuFileOpenPrj_Click", error);
    };
    RecordBookLoadResult loaded;
    {
        platform::BusyGuard busy(form.platform);
        loaded = subLoadRecordBook(iniPath, form.process.RecordBookFolder,
                                   book.pictureFileName, form.scale,
                                   form.annotations);
    }
    checkHojoLength(form.measuring);
    book.damagedFiles = incompleteObjectFiles(loaded);
    book.objectFiles = {loaded.textFile.path, loaded.lineFile.path, loaded.shapeFile.path};
    if (loaded.error) {
        fail(*loaded.error);
        return;
    }
    // The picture is in the picture folder setting, or else beside the .ini (where a record book
    // copied with its picture keeps it).
    const FoundFile picture = book.pictureFileName.isEmpty()
                                  ? FoundFile{}
                                  : findFileInFolders(book.pictureFileName,
                                                      {form.process.PictureFolder, parts.folder});
    book.picturePath = picture.path;
    if (picture.path.isEmpty()) {
        RuntimeError error = missingFile(book.pictureFileName);
        if (picture.ambiguous)
            error.description += QLatin1Char('\r') + ambiguousNameText(book.pictureFileName);
        fail(error);
        return;
    }
    // Another program's annotations were placed on the picture as stored, unturned.
    const bool ours = loaded.product == QLatin1String(Version::ProductName);
    if (!subMapDraw(form, picture.path,
                    ours ? PictureOrientation::Upright : PictureOrientation::AsStored)) {
        setMenuEnabled(form, "mnuFileSavePrj", false);
        return; // the picture load has told the user why
    }
    // Shown at actual size. The first zoom still carries the paper frame of the book before, so
    // the paper is laid out twice to settle the canvas on this book's paper.
    form.view.ZoomFactor = actualSizeZoom(form.scale.GE_tpPtoD_r_X);
    for (int pass = 0; pass < 2; ++pass) {
        ApplyZoom(form, form.view.ZoomFactor);
        subSetPaper(form, form.scale.GE_strPpSize);
    }
    subResetPrintArea(form.live, form.platform);
    const StoredPrintArea &printArea = loaded.printArea;
    const bool printAreaKept =
        !printArea.area
        || restorePrintArea(form.live, form.platform, form.view.pictMapPx, form.view.LayoutZoom,
                            *printArea.area);
    book.hasOwnFile = true;
    for (const char *item :
         {"mnuFileSavePrj", "mnuFileSaveAsPrj", "mnuFileSaveAsImg", "mnuFileExportImg",
          "mnuFileExportCsv"})
        setMenuEnabled(form, item, true);
    if (printArea.damaged || !printAreaKept) {
        form.platform.showOk(QStringLiteral("記録帳を開く"),
                             QStringLiteral("記録帳に保存された印刷範囲が正しくないため、"
                                            "用紙の 5 mm 内側を印刷範囲にしました。"),
                             platform::MessageIcon::Warning);
    }
    for (const ObjectFileReport *report : {&loaded.textFile, &loaded.lineFile, &loaded.shapeFile}) {
        if (report->ambiguous)
            form.platform.showOk(QStringLiteral("記録帳を開く"), ambiguousNameText(report->name),
                                 platform::MessageIcon::Warning);
    }
    if (const QString damaged = openedDamagedText(loaded); !damaged.isEmpty())
        form.platform.showOk(QStringLiteral("記録帳を開く"), damaged, platform::MessageIcon::Warning);
}

void settleInterruptedSave(frmMain &form, const QString &iniPath)
{
    const QFileInfo ini(iniPath);
    const SaveTargets targets = saveTargets(ini.absolutePath(), ini.fileName());
    const auto interrupted = InterruptedCommit::find(targets.journal, targets.files);
    const QString title = QStringLiteral("記録帳を開く");
    if (interrupted && !interrupted->isOurs()) {
        form.platform.showOk(title, foreignJournalText(*interrupted),
                             platform::MessageIcon::Warning);
    } else if (interrupted
               && form.platform.showMessage({title, interruptedSaveQuestion(*interrupted),
                                             platform::MessageIcon::Question,
                                             platform::MessageButtons::YesNo})
                      == platform::MessageAnswer::Yes) {
        std::optional<RuntimeError> error;
        {
            platform::BusyGuard busy(form.platform);
            error = interrupted->finish();
        }
        if (error)
            reportFailure(form, "mnuFileOpenPrj_Click", *error);
    }
    platform::BusyGuard busy(form.platform);
    removeLeftovers(targets.journal, targets.files);
}

void mnuFileSavePrj_Click(frmMain &form)
{
    if (!form.recordBook.hasOwnFile) {
        mnuFileSaveAsPrj_Click(form);
        return;
    }
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(form.platform);
        const OpenRecordBook &book = form.recordBook;
        error = writeAtFullSize(form, book.folder, book.fileName);
    }
    if (error)
        reportFailure(form, "mnuFileSavePrj_Click", *error);
}

void mnuFileSaveAsPrj_Click(frmMain &form)
{
    const std::optional<QString> path =
        form.platform.chooseSaveFile(recordBookDialog(form, true));
    if (!path)
        return;
    const SplitPathResult target = SplitPath(*path);
    std::optional<RuntimeError> error;
    {
        platform::BusyGuard busy(form.platform);
        error = writeAtFullSize(form, target.folder, target.fileName);
        if (!error) {
            OpenRecordBook &book = form.recordBook;
            book.folder = target.folder;
            book.fileName = target.fileName;
            book.hasOwnFile = true;
            setMenuEnabled(form, "mnuFileSavePrj", true);
        }
    }
    if (error)
        reportFailure(form, "mnuFileSaveAsPrj_Click", *error);
}

bool subMapDraw(frmMain &form, const QString &file, PictureOrientation orientation)
{
    PictureLoadResult loaded;
    {
        platform::BusyGuard busy(form.platform);
        loaded = loadPicture(file, orientation);
    }
    if (loaded.image.isNull()) {
        form.platform.showOk(QStringLiteral("画像表示時エラー"),
                             QStringLiteral("subMapDraw()") + QLatin1Char('\r') + loaded.error);
        return false;
    }
    form.pictOrg = std::move(loaded.image);
    form.view.pictMapPx = QSizeF(form.pictOrg.size());
    form.view.pictureOnCanvasMm = form.pictOrgSizeMm();
    form.view.pictMapHasPicture = true;
    form.relayout();
    return true;
}

void registerRecordBookCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuFileNewPrj"), [&form] { mnuFileNewPrj_Click(form); });
    form.setCommand(QStringLiteral("mnuFileOpenPrj"), [&form] { mnuFileOpenPrj_Click(form); });
    form.setCommand(QStringLiteral("mnuFileSavePrj"), [&form] { mnuFileSavePrj_Click(form); });
    form.setCommand(QStringLiteral("mnuFileSaveAsPrj"),
                    [&form] { mnuFileSaveAsPrj_Click(form); });
}
