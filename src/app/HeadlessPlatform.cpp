// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessPlatform.h"

#include "document/AnnotationTypes.h"

#include <QRegularExpression>

namespace {

// The window's failures start with the handler that trapped them, "mnuFileOpenPrj_Click():ｴﾗｰ番号
// 53 ｴﾗｰが発生しました。" or "subMapDraw()", then a line saying what is wrong. A command line
// tells only that.
QString withoutHandler(const QString &text)
{
    static const QRegularExpression handler(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*\\(\\)(:ｴﾗｰ番号 +-?\\d+ ｴﾗｰが発生しました。)?\r"));
    QString words = text;
    return words.remove(handler);
}

} // namespace

platform::MessageAnswer HeadlessPlatform::showMessage(const platform::MessageRequest &request)
{
    QString line = withoutHandler(request.text);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_messages << line;
    switch (request.buttons) {
    case platform::MessageButtons::YesNo: return platform::MessageAnswer::No;
    case platform::MessageButtons::SaveDiscardCancel: return platform::MessageAnswer::Cancel;
    case platform::MessageButtons::Ok: break;
    }
    return platform::MessageAnswer::Ok;
}

platform::ScreenInfo HeadlessPlatform::currentScreen() const
{
    return {QString(), QRect(), {ScreenPixelsPerMm, ScreenPixelsPerMm}};
}
