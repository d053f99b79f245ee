// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageChecks.h"

std::optional<QString> emptyPrintAreaText(const QRectF &printAreaMm)
{
    if (printAreaMm.width() > 0 && printAreaMm.height() > 0)
        return std::nullopt;
    return QStringLiteral("印刷範囲がありません。ツールの「画像印刷範囲」で、"
                          "印刷する範囲をドラッグしてください。");
}

std::optional<QString> oversizePdfPageText(QSizeF paperMm, const QString &advice)
{
    if (paperMm.width() <= MostPdfPageMm && paperMm.height() <= MostPdfPageMm)
        return std::nullopt;
    return QStringLiteral("用紙 %1 × %2 mm は PDF の 1 ページには大きすぎます"
                          "（表示できるのは 1 辺 %3 mm まで）。")
               .arg(qRound(paperMm.width()))
               .arg(qRound(paperMm.height()))
               .arg(qRound(MostPdfPageMm))
           + advice;
}
