// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <QString>
#include <QStringList>

#include <optional>

// One object as the object files store it: a fixed number of lines, one property each, the
// visible flag first.
template <class T>
struct ObjectRecord;

template <>
struct ObjectRecord<AnnotationLabel>
{
    static constexpr int LineCount = 19;
    static QStringList lines(const AnnotationLabel &label);
    // Nothing when a flag is not a boolean or a number does not fit its field. The stored
    // Width and Height are taken as they are; the reader sizes the label afterwards.
    static std::optional<AnnotationLabel> parse(const QStringList &lines);
    // The name the user knows a text field by, for the line at `index` (0-based).
    static QString fieldName(int index);
};

template <>
struct ObjectRecord<AnnotationLine>
{
    static constexpr int LineCount = 10;
    static QStringList lines(const AnnotationLine &line);
    static std::optional<AnnotationLine> parse(const QStringList &lines);
    static QString fieldName(int index);
};

template <>
struct ObjectRecord<MarkerShape>
{
    static constexpr int LineCount = 15;
    static QStringList lines(const MarkerShape &shape);
    static std::optional<MarkerShape> parse(const QStringList &lines);
    static QString fieldName(int index);
};
