// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkSteps.h"

namespace worksteps {
namespace {

thread_local qint64 stepsOnThisThread = 0;

} // namespace

void add(qint64 steps)
{
    stepsOnThisThread += steps;
}

qint64 taken()
{
    return stepsOnThisThread;
}

} // namespace worksteps
