#include "RecordBookDocument.h"

#include "app/MenuTree.h"
#include "app/frmMain.h"
#include "annotations/ObjectRedisplay.h"
#include "measure/MeasurePopup.h"
#include "measure/PointerEvents.h"
#include "output/PaperLayout.h"
#include "document/ScaleModel.h"
#include "measure/frmOption.h"

#include <QStringList>

#include <algorithm>

namespace {

// The book's state around the annotations given, at the zoom its geometry is laid out for.
RecordBookSnapshot snapshotWith(const frmMain &form, AnnotationStore annotations)
{
    const LiveObjects &live = form.live;
    return {std::move(annotations),
            static_cast<const ScaleValues &>(form.process),
            live.shpPrint,
            live.printAreaDrawn,
            live.shpSps,
            live.shpPrintWaku,
            form.LayoutZoom};
}

// The state as it is, its annotations moved out rather than copied: a restore follows at once.
RecordBookSnapshot takeState(frmMain &form)
{
    return snapshotWith(form, std::move(form.annotations));
}

} // namespace

void RecordBookDocument::beginChange(std::uint64_t gesture)
{
    if (m_depth++ > 0)
        return;
    m_gesture = gesture;
    // Later events of a gesture that has already made its step add to that step.
    if (!m_history.continuesGesture(gesture))
        m_before = capture();
}

void RecordBookDocument::endChange()
{
    if (--m_depth > 0)
        return;
    if (m_before) {
        if (!(capture() == *m_before))
            m_history.push(std::move(*m_before), m_gesture);
        m_before.reset();
    }
    publish();
}

bool RecordBookDocument::canUndo() const
{
    return m_depth == 0 && m_history.canUndo();
}

bool RecordBookDocument::canRedo() const
{
    return m_depth == 0 && m_history.canRedo();
}

void RecordBookDocument::undo()
{
    if (!canUndo())
        return;
    cancelDrawing(m_form);
    restore(*m_history.undo(takeState(m_form)));
}

void RecordBookDocument::redo()
{
    if (!canRedo())
        return;
    cancelDrawing(m_form);
    restore(*m_history.redo(takeState(m_form)));
}

void RecordBookDocument::markSaved()
{
    m_history.markSaved();
    publish();
}

void RecordBookDocument::reset()
{
    m_history.clear();
    publish();
}

RecordBookSnapshot RecordBookDocument::capture() const
{
    return snapshotWith(m_form, m_form.annotations);
}

void RecordBookDocument::restore(RecordBookSnapshot snapshot)
{
    frmMain &form = m_form;
    form.annotations = std::move(snapshot.annotations);
    static_cast<ScaleValues &>(form.process) = std::move(snapshot.scale);
    form.live.shpPrint = snapshot.printArea;
    form.live.printAreaDrawn = snapshot.printAreaDrawn;
    form.live.shpSps = snapshot.masks;
    form.live.shpPrintWaku = snapshot.paperFrame;
    form.canvas.LeaderGrab = -1;
    if (snapshot.zoom != form.LayoutZoom) {
        // Laid out for the zoom it was taken at: brought to this one as a zoom step would.
        form.LayoutZoom = snapshot.zoom;
        subDisp_Object(form);
    }
    sizeCanvasToPaper(form);
    showPaperCaption(form, form.process.GE_strPpSize);
    checkHojoLength(form);
    const float *tilt = form.process.GE_sngHosei;
    ShowTiltCheck(form.live.lineCheck, form.live.shpCheck[0], form.live.shpCheck[1], tilt[0],
                  tilt[1], tilt[2], tilt[3]);
    if (form.optionDialog)
        form.optionDialog->Form_Load(); // its boxes show the scale values as they are now
    publish();
}

void RecordBookDocument::publish()
{
    m_form.menus[QStringLiteral("mnuEditUndo")].enabled = canUndo();
    m_form.menus[QStringLiteral("mnuEditRedo")].enabled = canRedo();
}

bool changesRecordBook(const QString &menuItemName)
{
    static const QStringList wholeBook = {
        QStringLiteral("mnuFileNewPrj"),    QStringLiteral("mnuFileOpenPrj"),
        QStringLiteral("mnuFileSavePrj"),   QStringLiteral("mnuFileSaveAsPrj"),
        QStringLiteral("mnuFileSaveAsImg"), QStringLiteral("mnuFilePrint"),
        QStringLiteral("mnuFileExportImg"), QStringLiteral("mnuFileExportCsv"),
        QStringLiteral("mnuFilePrintCheck"), QStringLiteral("mnuDispScreenCheck"),
        QStringLiteral("mnuFileEnd"),       QStringLiteral("mnuEditUndo"),
        QStringLiteral("mnuEditRedo"),
    };
    const std::vector<QString> &zoom = MenuTree::zoomGroup();
    return !wholeBook.contains(menuItemName)
           && std::find(zoom.begin(), zoom.end(), menuItemName) == zoom.end();
}

void registerUndoCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuEditUndo"), [&form] { form.document.undo(); });
    form.setCommand(QStringLiteral("mnuEditRedo"), [&form] { form.document.redo(); });
}
