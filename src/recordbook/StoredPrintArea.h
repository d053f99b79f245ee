// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

#include <optional>

class ProfileDocument;

// The print area the user drew, kept in the record book's .ini in a section of its own, in
// millimetres at 100 % (the unit of all stored geometry). A book whose print area is the one
// laid out by default has no such section, so it saves byte for byte as it always did.

struct StoredPrintArea
{
    std::optional<QRectF> area;
    bool damaged = false; // a section was there, but not four sane numbers: area is empty
};

StoredPrintArea readPrintArea(const ProfileDocument &document);

// Sets the section to `area`, or takes its keys out when there is none.
void writePrintArea(ProfileDocument &document, const std::optional<QRectF> &area);
