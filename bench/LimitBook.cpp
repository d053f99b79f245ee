// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LimitBook.h"

#include "Segment.h"
#include "SyntheticPhoto.h"
#include "recordbook/RecordBook.h"

#include <QImage>
#include <QRandomGenerator>

namespace {

const QSize PhotoPixels(2400, 1600);
constexpr double ActualSizeRatio = 0.5;

bool writePhoto(const QString &path)
{
    return writeSyntheticPhoto(path, PhotoPixels, 1, 5);
}

void fill(AnnotationStore &objects, QSizeF areaMm)
{
    QRandomGenerator random(11);
    auto within = [&](double extent) { return float(random.bounded(extent)); };
    while (objects.dimensionCount() < LimitDimensions) {
        const float x = within(areaMm.width() - 60), y = within(areaMm.height() - 20);
        const float length = 5 + within(50);
        AnnotationLabel label = objects.lblKyori.spare();
        const double realCm = length * ActualSizeRatio / 10;
        label.Caption = QString::number(realCm, 'f', 1) + QStringLiteral("cm");
        label.Left = x + length / 2;
        label.Top = y - 5;
        MarkerShape marker = objects.shpSnpo.spare();
        objects.AppendDimension(label, segment(x, y, x + length, y), segment(x, y + 15, x, y),
                                segment(x + length, y + 15, x + length, y), marker, marker);
    }
    const QString fonts[] = {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック")};
    const float sizes[] = {9.75f, 12, 16};
    for (int i = 1; i <= LimitTextLabels; ++i) {
        const int n = *objects.CreateTextLabel();
        AnnotationLabel &label = objects.lblMoji[n];
        label.Caption = QStringLiteral("No.%1 真鯛 %2cm 釣り場メモ").arg(i).arg(20 + i % 40);
        label.FontName = fonts[i % 2];
        label.FontSize = sizes[i % 3];
        label.FontBold = i % 5 == 0;
        label.Left = within(areaMm.width() - 40);
        label.Top = within(areaMm.height() - 10);
        label.Visible = true;
    }
    while (objects.lineHikidashi.UBound() < LimitLeaderLines) {
        objects.lineHikidashi.AppendToSpare(segment(within(areaMm.width()), within(areaMm.height()),
                                                    within(areaMm.width()),
                                                    within(areaMm.height())));
    }
}

} // namespace

QString limitBookPath(const QString &folder)
{
    return folder + QStringLiteral("/limit.ini");
}

bool writeLimitBook(const QString &folder)
{
    if (!writePhoto(folder + QStringLiteral("/photo.jpg")))
        return false;
    RecordBookContent book;
    book.pictureFileName = QStringLiteral("photo.jpg");
    book.scale.GE_tpPtoD_r_X = ActualSizeRatio;
    book.scale.GE_tpPtoD_r_Y = ActualSizeRatio;
    book.scale.GE_strPpSize = QStringLiteral("A3");
    fill(book.annotations, QSizeF(PhotoPixels) / ScreenPixelsPerMm);
    return !subSaveRecordBook(folder, QStringLiteral("limit.ini"), book);
}
