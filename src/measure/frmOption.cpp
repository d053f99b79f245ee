// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmOption.h"

#include "view/MeasurementAccuracy.h"

#include "measure/MeasuringTool.h"
#include "measure/PointerEvents.h"
#include "platform/NumberText.h"
#include "document/ScaleModel.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// The longest kept dimension line, in base millimetres (at 100 %).
double longestDimensionBaseMm(const MeasuringTool &tool)
{
    const auto &lines = tool.annotations.lineDsSave;
    double longest = 0;
    for (int i = 0; i < lines.UBound(); ++i) {
        const AnnotationLine &line = lines[i];
        longest = std::max<double>(longest, PointDistance(line.X1, line.Y1, line.X2, line.Y2));
    }
    return longest / tool.ZoomFactor;
}

// A text box selects "everything" with a length past any text the user types.
constexpr int SelectAllLength = 99;

QString ratioText(double ratio)
{
    return numbertext::formatNumber(ratio, QStringLiteral("#######.0#"));
}

// A box takes digits typed full-width through an input method as well.
float boxValue(const QString &text)
{
    return float(numbertext::parseLenient(numbertext::halfWidthNumber(text)));
}

} // namespace

bool isNumericText(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)?[ \t]*$)"));
    return number.match(numbertext::halfWidthNumber(text)).hasMatch()
           && std::isfinite(boxValue(text));
}

frmOption::frmOption(MeasuringTool &tool, QObject *parent) : QObject(parent), m_tool(tool) {}

void frmOption::Form_Load()
{
    const ScaleValues &scale = m_tool.scale;
    const float values[BoxCount] = {scale.GE_tpPiccelD[0].sngX, scale.GE_tpPiccelD[0].sngY,
                                    scale.GE_tpPiccelD[1].sngX, scale.GE_tpPiccelD[1].sngY,
                                    scale.GE_sngPiccelD_X,      scale.GE_sngDistanceD_X};
    for (int i = 0; i < BoxCount; ++i)
        txtXY[i] = numbertext::formatSingle(values[i]);
    // The stored points and their length in base millimetres tell the zoom they were drawn at.
    const float drawn = PointDistance(values[0], values[1], values[2], values[3]);
    const float base = values[4];
    m_pointsZoom = drawn > 0 && base > 0 && std::isfinite(drawn / base) ? drawn / base
                                                                         : m_tool.ZoomFactor;
    m_pointsEdited = false;
    lblUnit = QStringLiteral("mm ");
    ActiveBox = -1;
    showRatio();
    emit changed();
}

void frmOption::Form_Activate()
{
    m_tool.menus[QStringLiteral("mnuEditSet")].enabled = false;
    m_tool.process.OptionDialogOpen = true;
}

void frmOption::Form_Unload()
{
    m_tool.process.OptionDialogOpen = false;
    m_tool.menus[QStringLiteral("mnuToolMes")].checked = true;
    m_tool.menus[QStringLiteral("mnuEditSet")].enabled = true;
    LiveObjects &live = m_tool.live;
    live.shpCheck[0].Visible = false;
    live.shpCheck[1].Visible = false;
    live.lineCheck.Visible = false;
    // A reference line still being drawn would otherwise keep following the pointer in measure
    // mode and, at the next click, overwrite the tilt reference.
    if (m_tool.canvas.RefMeasuring)
        abandonMeasurement(m_tool);
    emit unloaded();
}

void frmOption::txtXY_GotFocus(int index)
{
    ActiveBox = index;
    SelStart = 0;
    SelLength = std::min<int>(SelectAllLength, txtXY[index].size());
}

bool frmOption::txtXY_KeyPress(int index, int keyAscii)
{
    if (keyAscii != EnterKey)
        return false;
    if (isNumericText(txtXY[index]))
        moveFocus(index < 4 ? index + 1 : 0);
    return true;
}

void frmOption::txtXY_LostFocus(int index)
{
    if (ActiveBox == index)
        ActiveBox = -1;
    if (!isNumericText(txtXY[index])) {
        txtXY[index] = QStringLiteral("0");
        emit changed();
        return;
    }
    if (index < 4 && m_pointsEdited)
        recomputeScreenLength();
}

void frmOption::setBoxText(int index, const QString &text)
{
    if (txtXY[index] == text)
        return;
    txtXY[index] = text;
    if (index < 4)
        m_pointsEdited = true;
    emit changed();
}

void frmOption::cmdSettei_Click()
{
    const float onScreen = boxValue(txtXY[4]);
    const float real = boxValue(txtXY[5]);
    // A length beyond the single range cannot be stored or divided sensibly: nothing changes.
    if (!std::isfinite(onScreen) || !std::isfinite(real))
        return;
    const DocumentChange change(m_tool.document);
    if (SetRatio(m_tool.scale, onScreen, real)) {
        showRatio();
        emit changed();
    }
}

void frmOption::cmdOK_Click()
{
    Unload();
}

void frmOption::Unload()
{
    emit closeRequested();
}

void frmOption::FillFromReferenceLine(float length)
{
    const AnnotationLine &line = m_tool.live.lineDistance;
    const float values[5] = {line.X1, line.Y1, line.X2, line.Y2, length};
    for (int i = 0; i < 5; ++i)
        txtXY[i] = numbertext::formatSingle(values[i]);
    m_tool.scale.GE_tpPiccelD[0] = {line.X1, line.Y1};
    m_tool.scale.GE_tpPiccelD[1] = {line.X2, line.Y2};
    m_pointsZoom = m_tool.ZoomFactor;
    m_pointsEdited = false;
    emit changed();
}

void frmOption::moveFocus(int index)
{
    if (ActiveBox >= 0 && ActiveBox != index)
        txtXY_LostFocus(ActiveBox);
    txtXY_GotFocus(index);
    emit focusRequested(index);
}

// Box 4 holds base millimetres, like the length the canvas hands over, while the points are
// canvas millimetres at the zoom they were drawn at: dividing by that zoom keeps the two in
// agreement whatever the zoom is now.
void frmOption::recomputeScreenLength()
{
    const DocumentChange change(m_tool.document); // the points typed are scale values
    m_pointsEdited = false;
    const float zoom = m_pointsZoom;
    float point[4];
    for (int i = 0; i < 4; ++i)
        point[i] = boxValue(txtXY[i]);
    const float length = PointDistance(point[0] / zoom, point[1] / zoom, point[2] / zoom,
                                       point[3] / zoom);
    txtXY[4] = numbertext::formatSingle(length);
    ScaleValues &scale = m_tool.scale;
    scale.GE_tpPiccelD[0] = {point[0], point[1]};
    scale.GE_tpPiccelD[1] = {point[2], point[3]};
    emit changed();
}

void frmOption::showRatio()
{
    lblRecio = ratioText(m_tool.scale.GE_tpPtoD_r_X);
    lblWarning = referenceWarning(m_tool.scale, longestDimensionBaseMm(m_tool));
}
