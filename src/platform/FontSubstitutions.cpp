#include "FontSubstitutions.h"

#include <QFont>
#include <QString>
#include <QStringList>

void installFontSubstitutions()
{
    const QString fallback = QStringLiteral("Noto Sans CJK JP");
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               QStringList() << QStringLiteral("IPAGothic") << fallback);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               QStringList() << QStringLiteral("IPAPGothic") << fallback);
}
