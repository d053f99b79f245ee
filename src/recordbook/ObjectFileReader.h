// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationStore.h"

#include <QByteArray>

#include <optional>

// The kinds of record the object files hold, in the order the files hold them.
enum class RecordKind { DimensionLabel, TextLabel, LeaderLine, ExtensionLine, DimensionLine, EndMarker };

// Where reading an object file stopped short: the record that could not be read (its element
// index within its kind, and the line of the file it starts on, counted from 1).
struct DamagedRecord
{
    RecordKind kind;
    int index = 0;
    int line = 0;
};

// What reading one object file came to: nothing damaged when it was read to its end.
struct ObjectFileRead
{
    std::optional<DamagedRecord> damaged;
    explicit operator bool() const { return !damaged; }
};

// Rebuilds collections from the bytes of one object file. The collections are expected to hold
// only their element 0. Reading stops at a damaged record (a flag that is no boolean, a number
// beyond its field, a record cut short) or where no further element could be made: the damaged
// record is not applied, everything read before stays, and the result says which record it was.
// Lines may end in CR LF, LF or CR.

// Dimension labels, then text labels.
ObjectFileRead readLabelFile(const QByteArray &bytes, AnnotationStore &store);
// Leader lines, then extension lines, then dimension lines.
ObjectFileRead readLineFile(const QByteArray &bytes, AnnotationStore &store);
// End markers.
ObjectFileRead readMarkerFile(const QByteArray &bytes, AnnotationStore &store);
