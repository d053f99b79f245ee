// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationCollection.h"
#include "document/AnnotationTypes.h"
#include "document/TextExtentCache.h"

#include <QFont>
#include <QSizeF>
#include <QString>

// Labels size themselves to their caption and font. Text is measured as the screen shows it at
// 96 dots per inch, whatever the real display, so stored sizes do not depend on the machine the
// record book was drawn on.

// One pixel of padding on every side of the text, as a borderless auto-sized label has.
inline constexpr float LabelMarginPx = 1.0f;
inline constexpr float MeasureDpi = 96.0f;
inline constexpr float MmPerMeasurePixel = 25.4f / MeasureDpi;

// The label's font: the stored typeface name (the start-up substitutions map Windows names to
// installed fonts), cut to the 31 characters a Windows face name can hold, point size and the
// four attributes.
QFont toQFont(const AnnotationLabel &label);
FontKey fontKey(const AnnotationLabel &label);

// The part of a stored font name that can name a face: at most its first 31 characters. The
// stored name itself is kept as it was.
QString faceName(const QString &fontName);

// Of a label's caption (or comment), what is measured and drawn: its first LongestShownCaption
// characters, never half of one. A caption is a line beside a catch; a longer one, which only a
// damaged or hostile record book holds, stays whole in the book but is not drawn whole (thirty
// captions of a million characters took 26 s to print).
inline constexpr qsizetype LongestShownCaption = 2048;
QString shownCaption(const QString &caption);

// Width and height in canvas millimetres that the label's shown caption needs in its font. Each
// font and caption is measured once; a label whose caption or font changed is measured afresh.
QSizeF labelExtentMm(const AnnotationLabel &label);

// Width and Height := labelExtentMm; Top and Left stay.
void autoSize(AnnotationLabel &label);

// autoSize for labels [first, end) of a collection. A zoom sizes every label of a record book
// anew, thousands of them at a size not measured before: a long run is shared with a helper
// thread that keeps measurements of its own.
void autoSizeRange(AnnotationCollection<AnnotationLabel> &labels, int first, int end);

// Caption := text, then the box follows it.
void setCaption(AnnotationLabel &label, const QString &text);
