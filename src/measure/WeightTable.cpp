// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightTable.h"

#include "platform/Cp932.h"
#include "platform/TextFolding.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The file is a page of text; anything far larger is not one.
constexpr qint64 MaxTableBytes = 1024 * 1024;

// Exponents outside this range are typing slips: fish grow between 2.5 and 3.5.
constexpr double LeastExponent = 2;
constexpr double GreatestExponent = 4;

const std::array<QString, 4> KindNames = {QStringLiteral("全長"), QStringLiteral("尾叉長"),
                                          QStringLiteral("標準体長"), QStringLiteral("体長")};

enum Column { Names, Scientific, CoefficientA, ExponentB, Kind, Source, ColumnCount };

// "ｽｽﾞｷ" and "すずき" find "スズキ".
QString foldedName(const QString &name)
{
    return foldedText(name).trimmed();
}

bool isKatakanaLetter(QChar c)
{
    return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA) || c.unicode() == 0x30FC;
}

QString decodedText(const QByteArray &bytes)
{
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    return bytes.startsWith(utf8Mark) ? QString::fromUtf8(bytes.mid(utf8Mark.size()))
                                      : cp932::decode(bytes);
}

// The row's species, or why it has none.
std::optional<SpeciesWeight> speciesOf(const QStringList &fields, QString &problem)
{
    if (fields.size() != ColumnCount) {
        problem = QStringLiteral("タブで区切られた項目が %1 個あります（%2 個のはずです）")
                      .arg(fields.size())
                      .arg(int(ColumnCount));
        return std::nullopt;
    }
    SpeciesWeight species;
    for (const QString &name : fields[Names].split(u'/', Qt::SkipEmptyParts)) {
        if (const QString folded = foldedName(name); !folded.isEmpty())
            species.names << folded;
    }
    bool aOk = false;
    bool bOk = false;
    species.a = fields[CoefficientA].trimmed().toDouble(&aOk);
    species.b = fields[ExponentB].trimmed().toDouble(&bOk);
    const auto kind = std::find(KindNames.begin(), KindNames.end(), fields[Kind].trimmed());
    if (species.names.isEmpty())
        problem = QStringLiteral("名前がありません");
    else if (!aOk || !(species.a > 0) || !std::isfinite(species.a))
        problem = QStringLiteral("a が正の数ではありません");
    else if (!bOk || !(species.b >= LeastExponent && species.b <= GreatestExponent))
        problem = QStringLiteral("b が %1 から %2 の数ではありません").arg(LeastExponent).arg(GreatestExponent);
    else if (kind == KindNames.end())
        problem = QStringLiteral("長さの種類が「全長」「尾叉長」「標準体長」「体長」のどれでもありません");
    else if (fields[Source].trimmed().isEmpty())
        problem = QStringLiteral("出典がありません");
    if (!problem.isEmpty())
        return std::nullopt;
    species.scientificName = fields[Scientific].trimmed();
    species.kind = LengthKind(kind - KindNames.begin());
    species.source = fields[Source].trimmed();
    return species;
}

} // namespace

double SpeciesWeight::grams(double lengthCm) const
{
    return a * std::pow(lengthCm, b);
}

const SpeciesWeight *WeightTable::find(const QString &title) const
{
    const QString folded = foldedName(title);
    const SpeciesWeight *found = nullptr;
    qsizetype foundLength = 0;
    for (const SpeciesWeight &entry : species) {
        for (const QString &name : entry.names) {
            if (name.size() <= foundLength || !folded.startsWith(name))
                continue;
            if (folded.size() > name.size() && isKatakanaLetter(folded[name.size()]))
                continue; // "アジ" is not "アジアアロワナ"
            found = &entry;
            foundLength = name.size();
        }
    }
    return found;
}

WeightTable parseWeightTable(const QByteArray &bytes)
{
    WeightTable table;
    bool headerSeen = false;
    const QStringList lines = decodedText(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        QString problem;
        if (std::optional<SpeciesWeight> species = speciesOf(line.split(u'\t'), problem))
            table.species.push_back(std::move(*species));
        else
            table.problems << QStringLiteral("%1 行目: %2").arg(i + 1).arg(problem);
    }
    return table;
}

std::optional<WeightTable> loadWeightTable(const QString &path)
{
    // Only a regular file: a pipe would block, a device would never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTableBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxTableBytes + 1);
    if (bytes.size() > MaxTableBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseWeightTable(bytes);
}

QString lengthKindName(LengthKind kind)
{
    return KindNames[std::size_t(kind)];
}
