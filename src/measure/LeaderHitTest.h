// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationCollection.h"
#include "document/AnnotationTypes.h"

#include <cstdint>

// What a select-mode press grabbed of a leader line (the canvas's LeaderGrab).
enum LeaderGrabs : std::int16_t {
    GrabNothing = -1,
    GrabStraightBody = 0, // body of a horizontal or vertical line
    GrabStart = 1,        // the end (X1, Y1)
    GrabEnd = 2,          // the end (X2, Y2)
    GrabSlantedBody = 3,
};

// The first leader line, in ascending index and the spare on top included, with an end within
// 2 mm of (X, Y) on both axes, edge included; the start is tried before the end of each line.
// Sets LeaderGrab to GrabStart or GrabEnd and returns the index; -1 and GrabNothing when none.
std::int16_t fncHitLeaderEnd(const AnnotationCollection<AnnotationLine> &lines,
                             std::int16_t &LeaderGrab, float X, float Y);

// The first leader line, in the same order, whose body lies under (X, Y). A horizontal or
// vertical line is hit within 2 mm across (edge included) and strictly more than 2 mm in from
// both ends along; a slanted line when the stretch between its ends meets the square 1 mm round
// the pointer (edges included). Sets LeaderGrab to GrabStraightBody or GrabSlantedBody and
// returns the index; -1 and GrabNothing when none.
std::int16_t fncHitLeaderBody(const AnnotationCollection<AnnotationLine> &lines,
                              std::int16_t &LeaderGrab, float X, float Y);
