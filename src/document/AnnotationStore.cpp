// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnotationStore.h"

#include "document/LabelMetrics.h"

#include <algorithm>

namespace {

// Both label templates start opaque: a new text label takes its back colour from the style
// default (white at start), and an opaque box keeps its text readable over any part of the photo.
// New dimension labels take back style and frame from the style default in any case.
AnnotationLabel dimensionLabelTemplate()
{
    AnnotationLabel label;
    label.ForeColor = rgb(0, 0, 192);
    label.BackColor = rgb(255, 255, 255);
    label.BackStyle = 1;
    label.BorderStyle = 0;
    label.Alignment = AlignCenter;
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    label.FontSize = 9.75f;
    label.FontItalic = true;
    autoSize(label);
    return label;
}

AnnotationLabel textLabelTemplate()
{
    AnnotationLabel label;
    label.ForeColor = rgb(0, 0, 0);
    label.BackColor = rgb(255, 255, 255);
    label.BackStyle = 1;
    label.BorderStyle = 0;
    label.Alignment = AlignCenter;
    label.FontName = QStringLiteral("ＭＳ Ｐゴシック");
    label.FontSize = 9.75f;
    label.ToolTipText = QStringLiteral("「ツール」「文字列」選択後　ダブルクリックで入力");
    setCaption(label, QStringLiteral("文字列"));
    return label;
}

AnnotationLine lineTemplate(OleColor colour)
{
    AnnotationLine line;
    line.BorderColor = colour;
    line.BorderWidth = 1;
    line.BorderStyle = BorderSolid;
    line.DrawMode = DrawModeCopyPen;
    return line;
}

// A dot of 105 twips on each end of a dimension line.
MarkerShape endMarkerTemplate()
{
    MarkerShape marker;
    marker.Shape = ShapeCircle;
    marker.Width = twipsToMm(105);
    marker.Height = twipsToMm(105);
    marker.BorderColor = rgb(0, 0, 192);
    marker.FillColor = rgb(0, 0, 192);
    marker.FillStyle = FillSolid;
    marker.BackStyle = 1;
    return marker;
}

// The hidden element (the spare on top, or the template at 0) and every object visible.
template <class T>
bool collectionHolds(const AnnotationCollection<T> &collection, const char *name, QString *why)
{
    const bool spareOnTop = collection.policy() == CollectionPolicy::SpareOnTop;
    const int hidden = spareOnTop ? collection.UBound() : 0;
    const auto objectsBegin = collection.begin() + (spareOnTop ? 0 : 1);
    const auto objectsEnd = collection.end() - (spareOnTop ? 1 : 0);
    QString problem;
    if (collection.UBound() > AnnotationCollection<T>::MaxIndex)
        problem = QStringLiteral("passes index 32767");
    else if (collection[hidden].Visible)
        problem = QStringLiteral("element %1 should be hidden").arg(hidden);
    else if (!std::all_of(objectsBegin, objectsEnd, [](const T &e) { return e.Visible; }))
        problem = QStringLiteral("has a hidden object");
    if (problem.isEmpty())
        return true;
    if (why)
        *why = QLatin1String(name) + QLatin1Char(' ') + problem;
    return false;
}

} // namespace

AnnotationStore::AnnotationStore()
    : lblKyori(CollectionPolicy::SpareOnTop, dimensionLabelTemplate()),
      lineDsSave(CollectionPolicy::SpareOnTop, lineTemplate(rgb(0, 0, 255))),
      lineHojoSave(CollectionPolicy::SpareOnTop, lineTemplate(rgb(0, 0, 255))),
      shpSnpo(CollectionPolicy::SpareOnTop, endMarkerTemplate()),
      lblMoji(CollectionPolicy::TemplateAtZero, textLabelTemplate()),
      lineHikidashi(CollectionPolicy::SpareOnTop, lineTemplate(rgb(0, 0, 0)))
{
}

std::optional<int> AnnotationStore::AppendDimension(const AnnotationLabel &label,
                                                    const AnnotationLine &dimensionLine,
                                                    const AnnotationLine &extensionA,
                                                    const AnnotationLine &extensionB,
                                                    const MarkerShape &markerA,
                                                    const MarkerShape &markerB)
{
    // Checked up front so that a refusal never leaves a dimension half kept and the collections
    // out of step.
    if (!lblKyori.hasRoomFor(1) || !lineDsSave.hasRoomFor(1) || !lineHojoSave.hasRoomFor(2)
        || !shpSnpo.hasRoomFor(2))
        return std::nullopt;
    lineHojoSave.AppendToSpare(extensionA);
    lineHojoSave.AppendToSpare(extensionB);
    shpSnpo.AppendToSpare(markerA);
    shpSnpo.AppendToSpare(markerB);
    const std::optional<int> index = lblKyori.AppendToSpare(label);
    autoSize(lblKyori[*index]);
    lineDsSave.AppendToSpare(dimensionLine);
    return index;
}

void AnnotationStore::RemoveDimension(int k)
{
    lblKyori.RemoveAt(k);
    lineDsSave.RemoveAt(k);
    lineHojoSave.RemovePair(k);
    shpSnpo.RemovePair(k);
}

std::optional<int> AnnotationStore::CreateTextLabel()
{
    const int n = lblMoji.UBound() + 1;
    if (!lblMoji.CreateElement(n))
        return std::nullopt;
    return n;
}

void AnnotationStore::RemoveTextLabel(int k)
{
    lblMoji.RemoveAt(k);
}

void AnnotationStore::RemoveLeaderLine(int k)
{
    lineHikidashi.RemoveAt(k);
}

void AnnotationStore::ClearDimensions()
{
    lineHojoSave.Clear();
    lineDsSave.Clear();
    shpSnpo.Clear();
    lblKyori.Clear();
}

void AnnotationStore::ClearTextLabels()
{
    lblMoji.Clear();
}

void AnnotationStore::ClearLeaderLines()
{
    lineHikidashi.Clear();
}

bool AnnotationStore::invariantsHold(QString *why) const
{
    const int dims = lblKyori.UBound();
    if (lineDsSave.UBound() != dims || lineHojoSave.UBound() != 2 * dims
        || shpSnpo.UBound() != 2 * dims) {
        if (why)
            *why = QStringLiteral("dimension collections out of step: lblKyori %1, lineDsSave %2, "
                                  "lineHojoSave %3, shpSnpo %4")
                       .arg(dims)
                       .arg(lineDsSave.UBound())
                       .arg(lineHojoSave.UBound())
                       .arg(shpSnpo.UBound());
        return false;
    }
    return collectionHolds(lblKyori, "lblKyori", why)
        && collectionHolds(lineDsSave, "lineDsSave", why)
        && collectionHolds(lineHojoSave, "lineHojoSave", why)
        && collectionHolds(shpSnpo, "shpSnpo", why) && collectionHolds(lblMoji, "lblMoji", why)
        && collectionHolds(lineHikidashi, "lineHikidashi", why);
}
