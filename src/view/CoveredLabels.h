// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationCollection.h"
#include "document/AnnotationTypes.h"

#include <QRect>

#include <vector>

// The labels of a view that opaque labels painted after them cover completely, so painting them
// would change no pixel. A crowded record book piles thousands of labels on one another, and
// laying out and drawing their captions is most of a frame's time.
//
// Dimension labels are painted before text labels, each collection in order. A label counts as
// covered when its box, widened by the most its caption's glyphs can stand out of it, lies under
// the boxes of opaque labels that come later. Labels size themselves to their caption, so the
// caption stays within that margin. Only what lies in `area` counts: the painter must be clipped
// to it. A collection that is not painted is given as null.
class CoveredLabels
{
public:
    CoveredLabels(const AnnotationCollection<AnnotationLabel> *dimensionLabels,
                  const AnnotationCollection<AnnotationLabel> *textLabels, const QRect &area,
                  double pixelsPerMm);

    bool covers(const AnnotationLabel &label) const;
    int count() const { return m_count; }

private:
    // The labels of one collection and which of them are covered.
    struct Flags
    {
        const AnnotationLabel *first = nullptr;
        std::vector<bool> covered;

        bool holds(const AnnotationLabel &label) const
        {
            return &label >= first && &label < first + covered.size();
        }
    };

    Flags m_dimensionLabels;
    Flags m_textLabels;
    int m_count = 0;
};
