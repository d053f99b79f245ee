// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordbook/RecordBook.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <iosfwd>
#include <vector>

// The models of the hand-written record books in data/ ("survey": two dimensions, two text
// labels, one leader line; "empty": no annotations), field for field as the files hold them.
RecordBookContent surveyBook();
RecordBookContent emptyBook();

// What the reader makes of a model: every label sized to its caption and font.
RecordBookContent asRead(RecordBookContent content);

QByteArray goldenBytes(const QString &fileName);
QByteArray fileBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Copies the four golden files of `base` into `folder`.
void copyGoldenBook(const QString &base, const QString &folder);

template <class T>
std::vector<T> elements(const AnnotationCollection<T> &collection)
{
    return {collection.begin(), collection.end()};
}

// Every scale value as "key=value", numbers exact.
QStringList scaleTexts(const ScaleValues &scale);

// Fails the current test where the two differ, collection by collection.
void expectSameContent(const RecordBookContent &actual, const RecordBookContent &expected);

// Readable failure output: a record prints as its stored lines.
void PrintTo(const AnnotationLabel &label, std::ostream *out);
void PrintTo(const AnnotationLine &line, std::ostream *out);
void PrintTo(const MarkerShape &shape, std::ostream *out);
