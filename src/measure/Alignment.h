// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AnnotationLine;
struct AnnotationStore;
struct LiveObjects;

// Space held: pulls the pointer (X, Y) into line with a kept line end and shows a hint line from
// that end to the pointer. Four passes, stopping at the first hit: horizontal over the leader
// lines, vertical over the leader lines, then both over the kept extension lines. Only one
// coordinate ever moves.
void subAlignHints(const AnnotationStore &kept, LiveObjects &live, float &X, float &Y);

// One candidate each. Horizontal: if an end of `line` (start before end) lies strictly within
// 2 mm of the pointer's y, sets Y to the end's y and runs lineHintX from that end to (x, that y).
// Vertical is the twin on the other axis with lineHintY. Each shows its own hint line when it
// finds an end and hides it otherwise, and leaves the other hint line as it is.
bool subAlignHorizontal(AnnotationLine &lineHintX, const AnnotationLine &line, float x, float y,
                        float &Y);
bool subAlignVertical(AnnotationLine &lineHintY, const AnnotationLine &line, float x, float y,
                      float &X);
