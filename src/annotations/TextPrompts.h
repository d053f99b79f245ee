// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {
class Platform;
}

// Captions and comments travel in the record book as one line of code page 932 each, so a text
// with a line break or a character that code page lacks would be refused at the next save (or
// worse, lost). The prompts refuse such a text as soon as it is typed.

// What keeps `text` out of the record book, as the user is told it; empty when it can be stored.
QString unstorableTextReason(const QString &text);

// The modal text prompt, asked again until the answer can be stored. Returns the text, or an
// empty text when the user cancelled or entered nothing: an empty result changes nothing.
QString promptStorableText(platform::Platform &platform, const QString &title,
                           const QString &prompt, const QString &initial);
