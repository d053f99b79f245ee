// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AnnotationLine;
struct AnnotationStore;
struct MarkerShape;

// Ctrl held: pulls the pointer (X, Y) onto the first kept line end within the snap window, leader
// lines before extension lines, and shows the snap circle there; hides it when no end is near.
void subSnapToEnds(const AnnotationStore &kept, MarkerShape &snapCircle, float &X, float &Y);

// One candidate: if an end of `line` (start before end) lies strictly within 2 mm of the pointer
// (x, y) on both axes, sets (X, Y) to that end, centres the snap circle on it and returns true.
// The first matching end wins, not the nearer one.
bool subSnapToLineEnd(MarkerShape &snapCircle, const AnnotationLine &line, float x, float y,
                      float &X, float &Y);
