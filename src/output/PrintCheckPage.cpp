// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCheckPage.h"

#include "output/PageOutput.h"
#include "output/PagePen.h"
#include "output/PrintCorrection.h"

#include <QPainter>

using namespace checkpage;

void renderPrintCheckPage(QPainter &painter, double dotsPerMm, const QString &printer)
{
    PagePen pen(painter, dotsPerMm);
    pen.text(Left, 12, QStringLiteral("印刷の実寸チェック　プリンタ：%1").arg(printer), 12);

    // A tick each millimetre, longer each 5 and 10, numbered each 10, as on a ruler.
    pen.line(Left, BarY, Left + BarMm, BarY);
    for (int mm = 0; mm <= int(BarMm); ++mm) {
        const double tick = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 3 : 1.5;
        pen.line(Left + mm, BarY, Left + mm, BarY - tick);
        if (mm % 50 == 0)
            pen.text(Left + mm - 2, BarY + 5, QString::number(mm), 8);
    }
    pen.text(Left + BarMm + 4, BarY + 1, QStringLiteral("150 mm"), 10);

    const double side = PrintCorrection::SquareMm;
    const double right = Left + side, bottom = SquareTop + side;
    pen.line(Left, SquareTop, right, SquareTop);
    pen.line(right, SquareTop, right, bottom);
    pen.line(right, bottom, Left, bottom);
    pen.line(Left, bottom, Left, SquareTop);
    pen.text(Left + 30, SquareTop + 8, QStringLiteral("← 横 100 mm →"), 10);
    pen.text(Left + 3, SquareTop + 50, QStringLiteral("縦 100 mm"), 10);

    const QString steps[] = {
        QStringLiteral("1. 定規で正方形の横と縦の長さを測り、「印刷の実寸チェック」の画面に mm で"
                       "入力してください（例：98.5）。"),
        QStringLiteral("2. 正しい大きさなら、正方形は横・縦とも 100 mm、上の目盛りの線は 150 mm です。"
                       "このページは補正なしで印刷されます。"),
        QStringLiteral("3. 大きく違うときは、プリンタの設定の「ページに合わせる」や拡大縮小を"
                       "オフにしてください。"),
    };
    double top = SquareTop;
    for (const QString &step : steps)
        top = pen.paragraph(StepsLeft, top, StepsWidthMm, step, 9) + 2;
}

std::optional<QString> printCheckPage(platform::PrintTarget &target, const QString &printer)
{
    return paintPages(target.device(), 1, {}, [&printer](QPainter &painter, double dotsPerMm, int) {
        renderPrintCheckPage(painter, dotsPerMm, printer);
    });
}
