// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"

#include <optional>
#include <vector>

// The labels as they go on paper, and the size their text takes there.

// Text smaller than this is hard to read on paper; below it the print offers the labels' own
// sizes.
inline constexpr double SmallestReadablePoints = 6;

// The dimension labels in use (all but the spare) as they print. At their own size each keeps its
// centre, so it stays centred on its dimension line.
std::vector<AnnotationLabel> printedDimensionLabels(const PageScene &scene);

// The text labels in use (1 to the last) as they print. At their own size each keeps its top-left
// corner unless it would then overlap a label above it; it moves down just below that one, so
// stacked rows such as the catch record's keep their order and do not run into each other.
std::vector<AnnotationLabel> printedTextLabels(const PageScene &scene);

// The smallest point size any text of the chosen kinds prints at: captions and, with the
// dimensions, comments, of labels that reach into the print area. Nothing when no text prints.
std::optional<double> smallestTextPoints(const PageScene &scene, PageKinds kinds);
