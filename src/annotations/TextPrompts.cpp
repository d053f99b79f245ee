// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextPrompts.h"

#include "platform/Cp932.h"
#include "platform/Platform.h"

#include <QStringList>

namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// A character as the user can recognise it in a message: itself when it prints, its code
// otherwise (a stray surrogate, a line separator).
QString nameOf(const QString &character)
{
    char32_t code = character.front().unicode();
    if (character.size() == 2)
        code = QChar::surrogateToUcs4(character.at(0), character.at(1));
    const QChar::Category category = QChar::category(code);
    const bool invisible = QChar::isSurrogate(code) || !QChar::isPrint(code)
                           || category == QChar::Separator_Line
                           || category == QChar::Separator_Paragraph;
    if (!invisible)
        return character;
    const QString hex = QString::number(uint(code), 16).rightJustified(4, u'0').toUpper();
    return QStringLiteral("U+") + hex;
}

// Each refused character once, in order of appearance; a surrogate pair is one character.
QStringList distinctCharacters(const QString &characters)
{
    QStringList seen;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        qsizetype length = 1;
        if (characters.at(i).isHighSurrogate() && i + 1 < characters.size()
            && characters.at(i + 1).isLowSurrogate()) {
            length = 2;
        }
        const QString one = characters.mid(i, length);
        if (!seen.contains(one))
            seen << one;
        i += length - 1;
    }
    return seen;
}

// The refused text as the start text of the next prompt: one line, so the field can show it.
QString asOneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    text.remove(QChar(u'\0'));
    return text;
}

} // namespace

QString unstorableTextReason(const QString &text)
{
    QStringList reasons;
    if (hasLineBreak(text))
        reasons << QStringLiteral("改行は記録帳に保存できません。1 行で入力してください。");
    if (text.contains(QChar(u'\0')))
        reasons << QStringLiteral("制御文字 U+0000 は記録帳に保存できません。");
    const QString unencodable = cp932::encode(text).unencodable;
    if (!unencodable.isEmpty()) {
        QStringList names;
        for (const QString &character : distinctCharacters(unencodable))
            names << QStringLiteral("「") + nameOf(character) + QStringLiteral("」");
        reasons << names.join(QString())
                       + QStringLiteral("は記録帳に保存できない文字です"
                                        "（Shift_JIS にない文字）。別の文字に置き換えてください。");
    }
    return reasons.join(QLatin1Char('\r'));
}

QString promptStorableText(platform::Platform &platform, const QString &title,
                           const QString &prompt, const QString &initial)
{
    QString start = initial;
    for (;;) {
        const std::optional<QString> answer = platform.promptText(title, prompt, start);
        if (!answer || answer->isEmpty())
            return {};
        const QString reason = unstorableTextReason(*answer);
        if (reason.isEmpty())
            return *answer;
        platform.showOk(title, reason, platform::MessageIcon::Warning);
        start = asOneLine(*answer);
    }
}
