// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zoom.h"

#include "annotations/ObjectRedisplay.h"
#include "app/PaperCommands.h"
#include "app/ScreenScale.h"
#include "app/frmMain.h"
#include "document/ScaleValues.h"
#include "document/PaperSize.h"
#include "platform/RuntimeError.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr float ToolbarZoomStep = 0.1f;
constexpr float ToolbarZoomMinimum = 0.1f;
constexpr float ToolbarZoomMaximum = 2.0f;
// A fitted canvas stays this many pixels short of the view, the slack the scroll range adds, so
// that no scroll bar shows.
constexpr double FitSlackPx = 4;
// The readout calls a zoom this close to the actual-size ratio actual size.
constexpr double ActualSizeTolerance = 1e-4;

void showZoomError(frmMain &form, const RuntimeError &error)
{
    form.platform.showOk(QStringLiteral("拡大縮小時エラー"),
                         QStringLiteral("画像が読み込まれていないか、拡大縮小の不可能な画像、または設定です。")
                             + QLatin1Char('\r') + error.description);
}

std::optional<RuntimeError> paintPicture(frmMain &form, QSizeF sizeMm)
{
    if (form.pictOrg.isNull())
        return RuntimeError::invalidPicture();
    if (!std::isfinite(sizeMm.width()) || !std::isfinite(sizeMm.height()) || sizeMm.isEmpty())
        return RuntimeError::overflow();
    form.view.pictureOnCanvasMm = sizeMm;
    form.view.pictMapHasPicture = true;
    return std::nullopt;
}

void setZoom(frmMain &form, float z)
{
    form.view.ZoomFactor = z;
    ApplyZoom(form, form.view.ZoomFactor);
}

float steppedZoom(float z, int steps)
{
    const float stepped = float(double(z) + steps * double(ToolbarZoomStep));
    return std::clamp(stepped, ToolbarZoomMinimum, ToolbarZoomMaximum);
}

QPointF viewCentre(const frmMain &form)
{
    const QSize view = form.layout.pictWindow.size();
    return {view.width() / 2.0, view.height() / 2.0};
}

// A scroll value that puts canvas pixel `wanted` at the view's edge, within the bar's range.
int scrollValueFor(const ScrollBarState &bar, double wanted)
{
    if (!bar.Visible)
        return 0;
    return std::clamp(int(std::lround(wanted)), 0, std::max(0, bar.Max));
}

// Runs a zoom, then scrolls the canvas point that was under `viewPoint` back under it.
template <class Zoom>
void zoomAbout(frmMain &form, QPointF viewPoint, Zoom zoom)
{
    const double before = form.view.ZoomFactor;
    const QPointF canvasPoint = viewPoint - QPointF(form.canvasOriginPx());
    zoom();
    if (before <= 0)
        return;
    const QPointF moved = canvasPoint * (double(form.view.ZoomFactor) / before) - viewPoint;
    form.hscX_Change(scrollValueFor(form.view.hscX, moved.x()));
    form.vscY_Change(scrollValueFor(form.view.vscY, moved.y()));
}


// The zoom at which the canvas, which grows in proportion to the zoom, just fits the view.
float fittingZoom(const frmMain &form)
{
    const QSizeF view = QSizeF(form.layout.pictWindow.size()) - QSizeF(FitSlackPx, FitSlackPx);
    const QSizeF canvas = form.view.pictMapPx;
    if (view.isEmpty() || canvas.isEmpty())
        return form.view.ZoomFactor;
    const double scale =
        std::min(view.width() / canvas.width(), view.height() / canvas.height());
    return std::clamp(float(form.view.ZoomFactor * scale), ToolbarZoomMinimum, ToolbarZoomMaximum);
}

} // namespace

void ApplyZoom(frmMain &form, float z)
{
    {
        platform::BusyGuard busy(form.platform);
        const QSizeF stretched = form.pictOrgSizeMm() * double(z);
        form.view.pictMapHasPicture = false;
        // The canvas first takes the stretched picture's size; the paper frame resizes it below.
        form.view.pictMapPx = stretched * ScreenPixelsPerMm;
        if (const auto error = paintPicture(form, stretched))
            showZoomError(form, *error);
        form.view.CanvasWidthMm = float(stretched.width());
        form.view.CanvasHeightMm = float(stretched.height());
    }
    form.relayout();
    subDisp_Object(form.annotations, form.live, form.view.LayoutZoom, form.view.ZoomFactor,
                   form.platform);
    sizeCanvasToPaper(form);
}

void UpdateScrollBars(frmMain &form)
{
    const QRect view = form.layout.pictWindow;
    form.view.vscY.Visible = view.height() <= form.view.pictMapPx.height();
    form.view.hscX.Visible = view.width() <= form.view.pictMapPx.width();
    form.view.hscX.Max = scrollMaximum(form.view.pictMapPx.width(), view.width());
    form.view.vscY.Max = scrollMaximum(form.view.pictMapPx.height(), view.height());
    form.keepScrollValuesInRange();
}

void ResetViewChecks(frmMain &form)
{
    for (const QString &item : MenuTree::zoomGroup()) {
        if (item != QLatin1String("mnuDispOrg"))
            form.menus[item].checked = false;
    }
    if (!form.canvas.DimMeasuring && !form.canvas.RefMeasuring)
        form.live.hideMeasurement();
}

void zoomKeepingTheCentre(frmMain &form, float z)
{
    zoomAbout(form, viewCentre(form), [&form, z] { setZoom(form, z); });
}

void checkZoomItem(frmMain &form, const QString &item)
{
    ResetViewChecks(form);
    form.menus[item].checked = true;
}

void zoomToLoadedSize(frmMain &form)
{
    zoomKeepingTheCentre(form, 1.0f);
}

void zoomOut(frmMain &form)
{
    zoomKeepingTheCentre(form, steppedZoom(form.view.ZoomFactor, -1));
}

void zoomIn(frmMain &form)
{
    zoomKeepingTheCentre(form, steppedZoom(form.view.ZoomFactor, 1));
}

void zoomToActualSize(frmMain &form)
{
    zoomAbout(form, viewCentre(form), [&form] {
        setZoom(form, actualSizeZoom(form.scale.GE_tpPtoD_r_X));
        subSetPaper(form, form.scale.GE_strPpSize);
    });
}

void zoomToRealSizeOnScreen(frmMain &form)
{
    const platform::PixelsPerMm screen =
        screenPixelsPerMm(form.process, form.platform.currentScreen());
    // The paper frame scales with the picture, as at any zoom but actual size.
    zoomKeepingTheCentre(form, realSizeOnScreenZoom(form.scale.GE_tpPtoD_r_X, screen));
}

void zoomToFit(frmMain &form)
{
    // The fitted canvas shows no scroll bars, so it comes out centred.
    setZoom(form, fittingZoom(form));
}

void zoomOutToFit(frmMain &form)
{
    const float z = fittingZoom(form);
    if (z >= form.view.ZoomFactor)
        return;
    checkZoomItem(form, QStringLiteral("mnuDispFit"));
    setZoom(form, z);
}

void zoomAtPoint(frmMain &form, int steps, QPointF viewPoint)
{
    ResetViewChecks(form);
    const float z = steppedZoom(form.view.ZoomFactor, steps);
    if (z == form.view.ZoomFactor)
        return;
    zoomAbout(form, viewPoint, [&form, z] { setZoom(form, z); });
}

QString zoomReadout(const frmMain &form)
{
    const double z = form.view.ZoomFactor;
    const auto at = [z](double zoom) { return std::abs(z - zoom) <= zoom * ActualSizeTolerance; };
    const double ratio = form.scale.GE_tpPtoD_r_X;
    const QString percent = QStringLiteral("%1 %").arg(std::lround(z * 100));
    // Without a reference no zoom is the catch's size.
    if (!isCalibrated(form.scale))
        return percent + QStringLiteral("  未校正");
    QStringList sizes;
    if (at(actualSizeZoom(ratio)))
        sizes << QStringLiteral("原寸大");
    // Real size on the screen is told only where the user asked for it: on a screen never
    // measured it is no more than the screen's claim. Opening a book or moving the window to
    // another screen changes the zoom it needs, and the readout follows.
    if (form.process.realSizeOnScreenChosen
        && at(realSizeOnScreenZoom(
            ratio, screenPixelsPerMm(form.process, form.platform.currentScreen())))) {
        sizes << QStringLiteral("実物大");
    }
    return sizes.isEmpty() ? percent : percent + QStringLiteral("  ") + sizes.join(u'・');
}
