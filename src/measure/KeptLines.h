// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationCollection.h"
#include "document/AnnotationTypes.h"

// Runs `test` over the kept lines of a spare-on-top collection in ascending index and stops at
// the first line it accepts. The spare on top is left out: while a leader line is being drawn
// the spare is that very line, and the pointer must not be pulled onto its own end. Hidden lines
// below the spare take part like shown ones.
template <class Test>
bool anyKeptLine(const AnnotationCollection<AnnotationLine> &lines, Test &&test)
{
    const int spare = lines.UBound();
    for (int i = 0; i < spare; ++i) {
        if (test(lines[i]))
            return true;
    }
    return false;
}
