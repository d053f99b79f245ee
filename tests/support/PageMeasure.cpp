// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageMeasure.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 64;
}

QImage renderPdfPage(const QString &pdf, int dpi, const QRectF &cropMm, int page)
{
    const QString number = QString::number(page);
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("page"));
    QStringList arguments = {QStringLiteral("-q"),  QStringLiteral("-r"),  QString::number(dpi),
                             QStringLiteral("-gray"), QStringLiteral("-aa"),
                             QStringLiteral("no"),  QStringLiteral("-aaVector"),
                             QStringLiteral("no"),  QStringLiteral("-singlefile"),
                             QStringLiteral("-f"),  number,
                             QStringLiteral("-l"),  number};
    if (!cropMm.isEmpty()) {
        const auto px = [dpi](double mm) { return QString::number(std::lround(mm * dpi / 25.4)); };
        arguments << QStringLiteral("-x") << px(cropMm.left()) << QStringLiteral("-y")
                  << px(cropMm.top()) << QStringLiteral("-W") << px(cropMm.width())
                  << QStringLiteral("-H") << px(cropMm.height());
    }
    arguments << pdf << base;
    if (QProcess::execute(QStringLiteral("pdftoppm"), arguments) != 0)
        return {};
    return QImage(base + QStringLiteral(".pgm"));
}

std::optional<QSizeF> pdfPageSizePoints(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished() || info.exitCode() != 0)
        return std::nullopt;
    static const QRegularExpression pageSize(
        QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const auto match = pageSize.match(QString::fromUtf8(info.readAllStandardOutput()));
    if (!match.hasMatch())
        return std::nullopt;
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

int pdfPageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished() || info.exitCode() != 0)
        return 0;
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    return pages.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
}

std::optional<QPointF> markCentre(const QImage &image, bool rightHalf, int minimumDark)
{
    const int from = rightHalf ? image.width() / 2 : 0;
    const int to = rightHalf ? image.width() : image.width() / 2;
    int firstColumn = -1, lastColumn = -1, firstRow = -1, lastRow = -1;
    for (int x = from; x < to; ++x) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            dark += isDark(image.pixel(x, y));
        if (dark >= minimumDark) {
            if (firstColumn < 0)
                firstColumn = x;
            lastColumn = x;
        }
    }
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = from; x < to; ++x)
            dark += isDark(image.pixel(x, y));
        if (dark >= minimumDark) {
            if (firstRow < 0)
                firstRow = y;
            lastRow = y;
        }
    }
    if (firstColumn < 0 || firstRow < 0)
        return std::nullopt;
    return QPointF((firstColumn + lastColumn) / 2.0, (firstRow + lastRow) / 2.0);
}

int darkSpan(const QImage &image, int column)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (isDark(image.pixel(column, y))) {
            if (first < 0)
                first = y;
            last = y;
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

QRect darkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isDark(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

std::vector<QPointF> roundMarks(const QImage &image, double diameter)
{
    const int width = image.width(), height = image.height();
    const int side = std::max(1, int(diameter / 2));
    // Dark pixels above and left of each corner, so any square is counted in four look-ups.
    std::vector<int> darkBefore(std::size_t(width + 1) * (height + 1), 0);
    const auto before = [&](int x, int y) -> int & {
        return darkBefore[std::size_t(y) * (width + 1) + x];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            before(x + 1, y + 1) = int(isDark(image.pixel(x, y))) + before(x, y + 1)
                                   + before(x + 1, y) - before(x, y);
    }
    // Where a square fits, by its top-left pixel; 1 until its group is taken.
    std::vector<char> fits(std::size_t(width) * height, 0);
    for (int y = 0; y + side <= height; ++y) {
        for (int x = 0; x + side <= width; ++x) {
            const int dark = before(x + side, y + side) - before(x, y + side)
                             - before(x + side, y) + before(x, y);
            fits[std::size_t(y) * width + x] = dark == side * side;
        }
    }
    std::vector<QPointF> marks;
    std::vector<QPoint> group;
    for (std::size_t start = 0; start < fits.size(); ++start) {
        if (!fits[start])
            continue;
        fits[start] = 0;
        group = {QPoint(int(start % width), int(start / width))};
        QRect bounds;
        QPointF sum;
        for (std::size_t next = 0; next < group.size(); ++next) {
            const QPoint at = group[next];
            bounds |= QRect(at, QSize(1, 1));
            sum += at;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint near = at + step;
                if (near.x() < 0 || near.y() < 0 || near.x() >= width || near.y() >= height)
                    continue;
                char &free = fits[std::size_t(near.y()) * width + near.x()];
                if (free) {
                    free = 0;
                    group.push_back(near);
                }
            }
        }
        if (bounds.width() <= diameter && bounds.height() <= diameter)
            marks.push_back(sum / double(group.size()) + QPointF(side, side) / 2);
    }
    return marks;
}
