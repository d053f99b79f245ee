// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The steps of work the readers of untrusted input have taken on the calling thread: a byte
// decoded, a character handed to a pattern, a row of a picture decoded. Each reader adds its
// steps once a call. Nothing in the program reads the count; tests read it before and after a
// call to see that the work stays in proportion to the input, however hostile.
namespace worksteps {

void add(qint64 steps);
qint64 taken();

} // namespace worksteps
