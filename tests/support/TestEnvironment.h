// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests run headless and in a fixed locale: fonts and text matching change with both.
void prepareTestEnvironment();
