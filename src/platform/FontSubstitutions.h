// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The record book keeps the Windows font names; no Linux font package answers to them, so they
// are mapped to the installed Japanese fonts once at start-up.
void installFontSubstitutions();

// The installed family a record book's font name is drawn with, spelt as the font database
// lists it: the name itself when it is installed, else its first installed substitute. A name
// that neither is comes back unchanged.
QString installedFamily(const QString &fontName);
