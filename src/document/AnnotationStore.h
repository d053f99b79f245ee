// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationCollection.h"
#include "document/AnnotationTypes.h"

#include <QString>

#include <optional>

// Every kept annotation of the open record book. A kept dimension i has no record of its own: it
// is lblKyori(i), lineDsSave(i), lineHojoSave(2i) and (2i + 1) (extension lines at end A and B),
// shpSnpo(2i) and (2i + 1) (end markers), tied by index alone, so the four collections only ever
// change together. Text labels and leader lines stand alone.
// The labels are sized from their fonts, so a store needs a QGuiApplication.
struct AnnotationStore
{
    AnnotationStore();

    AnnotationCollection<AnnotationLabel> lblKyori;
    AnnotationCollection<AnnotationLine> lineDsSave;
    AnnotationCollection<AnnotationLine> lineHojoSave;
    AnnotationCollection<MarkerShape> shpSnpo;
    AnnotationCollection<AnnotationLabel> lblMoji;
    AnnotationCollection<AnnotationLine> lineHikidashi;

    int dimensionCount() const { return lblKyori.UBound(); }
    // Whether all six members of dimension k exist (they may not after a damaged record book).
    bool hasWholeDimension(int k) const
    {
        return k >= 0 && k <= lblKyori.UBound() && k <= lineDsSave.UBound()
               && 2 * k + 1 <= lineHojoSave.UBound() && 2 * k + 1 <= shpSnpo.UBound();
    }

    // Keeps one dimension in the spares of its four collections, all or nothing: refused without
    // any change when one of them cannot take it. The label's box is sized to its caption and
    // font. Returns the new dimension's index.
    std::optional<int> AppendDimension(const AnnotationLabel &label,
                                       const AnnotationLine &dimensionLine,
                                       const AnnotationLine &extensionA,
                                       const AnnotationLine &extensionB,
                                       const MarkerShape &markerA, const MarkerShape &markerB);
    // Removes dimension k from all four collections; later dimensions move down with their own
    // caption, comment, tag, lines and markers.
    void RemoveDimension(int k);

    // Creates lblMoji(UBound + 1) as a hidden copy of the template; the caller fills and shows
    // it. Refused past index 32767.
    std::optional<int> CreateTextLabel();
    void RemoveTextLabel(int k);
    void RemoveLeaderLine(int k);

    void ClearDimensions();
    void ClearTextLabels();
    void ClearLeaderLines();

    // The shape the record book and the editing commands rely on: the dimension collections in
    // step, objects visible and gapless below a hidden spare, the text-label template hidden and
    // its labels visible, no index past 32767. On failure `why` says what is wrong. It holds
    // between commands; while a leader line is being drawn its spare is shown on purpose.
    bool invariantsHold(QString *why = nullptr) const;

    bool operator==(const AnnotationStore &) const = default;
};
