// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The length a species' weight relation was fitted to: total length, fork length, standard
// length, or "体長" where the source says only that.
enum class LengthKind { Total, Fork, Standard, Unspecified };

// One species of the weight table: W = a·L^b, L in centimetres, W in grams, from a published
// study the table names.
struct SpeciesWeight
{
    QStringList names; // the table's name first, then other names anglers use
    QString scientificName;
    double a = 0;
    double b = 0;
    LengthKind kind = LengthKind::Total;
    QString source;

    double grams(double lengthCm) const;
};

// The bundled, user-editable table of species. Its file is tab-separated text in code page 932
// (UTF-8 when it starts with a byte order mark, as a spreadsheet may save it), CR LF or LF. '#'
// starts a comment line; the first other line is the header. Each row holds the names
// separated by '/', the scientific name, a, b, the length kind ("全長", "尾叉長", "標準体長" or
// "体長") and the source.
struct WeightTable
{
    std::vector<SpeciesWeight> species;
    // A line that was left out and why: "12 行目: b が 2 から 4 の数ではありません".
    QStringList problems;

    // The species a catch's title names: the longest name the title starts with, not followed
    // by another katakana letter, whatever its width or kana; null when none does.
    const SpeciesWeight *find(const QString &title) const;
};

WeightTable parseWeightTable(const QByteArray &bytes);

// The file read and parsed; nothing when it cannot be read.
std::optional<WeightTable> loadWeightTable(const QString &path);

// "全長", "尾叉長", "標準体長", "体長".
QString lengthKindName(LengthKind kind);
