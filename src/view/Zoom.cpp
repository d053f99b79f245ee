#include "Zoom.h"

#include "annotations/ObjectRedisplay.h"
#include "app/frmMain.h"
#include "view/DisplayToggles.h"
#include "output/PaperLayout.h"
#include "output/PaperSize.h"
#include "platform/RuntimeError.h"

#include <cmath>
#include <optional>

namespace {

constexpr float ToolbarZoomStep = 0.1f;
constexpr float ToolbarZoomMinimum = 0.1f;
constexpr float ToolbarZoomMaximum = 2.0f;
// A ratio is shown as the actual-size zoom only within these bounds: beyond them every
// annotation shrinks to nothing or the canvas grows past any memory and scroll range.
constexpr double SmallestActualSizeZoom = 0.01;
constexpr double LargestActualSizeZoom = 100;

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
    form.pictureOnCanvasMm = sizeMm;
    form.pictMapHasPicture = true;
    return std::nullopt;
}

void zoomFromMenu(frmMain &form, const QString &item, float z)
{
    ResetViewChecks(form);
    form.menus[item].checked = true;
    form.ZoomFactor = z;
    ApplyZoom(form, form.ZoomFactor);
}

} // namespace

void ApplyZoom(frmMain &form, float z)
{
    {
        platform::BusyGuard busy(form.platform);
        const QSizeF stretched = form.pictOrgSizeMm() * double(z);
        form.pictMapHasPicture = false;
        // The canvas first takes the stretched picture's size; the paper frame resizes it below.
        form.pictMapPx = stretched * ScreenPixelsPerMm;
        if (const auto error = paintPicture(form, stretched))
            showZoomError(form, *error);
        form.process.CanvasWidthMm = float(stretched.width());
        form.process.CanvasHeightMm = float(stretched.height());
    }
    form.relayout();
    subDisp_Object(form);
    sizeCanvasToPaper(form);
}

void UpdateScrollBars(frmMain &form)
{
    const QRect view = form.layout.pictWindow;
    form.vscY.Visible = view.height() <= form.pictMapPx.height();
    form.hscX.Visible = view.width() <= form.pictMapPx.width();
    form.hscX.Max = scrollMaximum(form.pictMapPx.width(), view.width());
    form.vscY.Max = scrollMaximum(form.pictMapPx.height(), view.height());
    form.keepScrollValuesInRange();
}

float actualSizeZoom(double ratio)
{
    const bool usable =
        std::isfinite(ratio) && ratio >= SmallestActualSizeZoom && ratio <= LargestActualSizeZoom;
    return usable ? float(ratio) : 1.0f;
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

void zoomToLoadedSize(frmMain &form)
{
    form.ZoomFactor = 1.0f;
    ApplyZoom(form, form.ZoomFactor);
}

void zoomOut(frmMain &form)
{
    float z = float(double(form.ZoomFactor) - double(ToolbarZoomStep));
    if (z < ToolbarZoomMinimum)
        z = ToolbarZoomMinimum;
    form.ZoomFactor = z;
    ApplyZoom(form, form.ZoomFactor);
}

void zoomIn(frmMain &form)
{
    float z = float(double(form.ZoomFactor) + double(ToolbarZoomStep));
    if (z > ToolbarZoomMaximum)
        z = ToolbarZoomMaximum;
    form.ZoomFactor = z;
    ApplyZoom(form, form.ZoomFactor);
}

void zoomToActualSize(frmMain &form)
{
    form.ZoomFactor = actualSizeZoom(form.process.GE_tpPtoD_r_X);
    ApplyZoom(form, form.ZoomFactor);
    subSetPaper(form, form.process.GE_strPpSize);
}

void registerViewCommands(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuOrgEnlarge"), [&form] {
        zoomFromMenu(form, QStringLiteral("mnuOrgEnlarge"),
                     actualSizeZoom(form.process.GE_tpPtoD_r_X));
        subSetPaper(form, form.process.GE_strPpSize);
    });
    const std::pair<const char *, float> presets[] = {
        {"mnuDisp200", 1.25f}, {"mnuDisp100", 1.0f}, {"mnuDisp80", 0.75f},
        {"mnuDisp50", 0.5f},   {"mnuDisp25", 0.25f},
    };
    for (const auto &[name, z] : presets) {
        const QString item = QLatin1String(name);
        form.setCommand(item, [&form, item, z = z] { zoomFromMenu(form, item, z); });
    }
    form.setCommand(QStringLiteral("mnuDispAll"), [&form] {
        ResetViewChecks(form);
        form.menus[QStringLiteral("mnuDispAll")].checked = true;
    });
    form.setCommand(QStringLiteral("mnuDispOrg"), [&form] {
        ResetViewChecks(form);
        form.ZoomFactor = 1.0f;
        form.pictMapHasPicture = false;
    });
    form.setCommand(QStringLiteral("mnuDispAxis"), [&form] { mnuDispAxis_Click(form); });
    form.setCommand(QStringLiteral("mnuDspDefault"), [&form] { mnuDspDefault_Click(form); });
}
