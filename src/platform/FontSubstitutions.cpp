// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void installFontSubstitutions()
{
    const QString fallback = QStringLiteral("Noto Sans CJK JP");
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               QStringList() << QStringLiteral("IPAGothic") << fallback);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               QStringList() << QStringLiteral("IPAPGothic") << fallback);
}

QString installedFamily(const QString &fontName)
{
    // Qt hands the substitutes back in lower case.
    const QStringList candidates = QStringList(fontName) + QFont::substitutes(fontName);
    const QStringList installed = QFontDatabase::families();
    for (const QString &candidate : candidates) {
        for (const QString &family : installed) {
            if (family.compare(candidate, Qt::CaseInsensitive) == 0)
                return family;
        }
    }
    return fontName;
}
