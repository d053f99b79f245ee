// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageOutput.h"

#include "platform/Version.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

void paintPageOn(QPainter &painter, const PageScene &scene, PageKinds kinds, double dotsPerMm)
{
    PageStyle style;
    style.dotsPerMm = dotsPerMm;
    style.kinds = kinds;
    renderPage(painter, scene, style);
}

} // namespace

std::optional<QString> paintPages(QPaintDevice &device, int pages,
                                  const std::function<bool()> &newPage, const PagePainter &paint,
                                  PrintScale scale)
{
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("印刷を開始できませんでした。");
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !newPage())
            return QStringLiteral("次のページを始められませんでした。");
        painter.save();
        painter.scale(scale.x, scale.y);
        paint(painter, device.logicalDpiX() / 25.4, page);
        painter.restore();
    }
    if (!painter.end())
        return QStringLiteral("印刷を終えられませんでした。");
    return std::nullopt;
}

std::optional<QString> paintPage(QPaintDevice &device, const PageScene &scene, PageKinds kinds,
                                 PrintScale scale)
{
    return paintPages(
        device, 1, {},
        [&](QPainter &painter, double dotsPerMm, int) {
            paintPageOn(painter, scene, kinds, dotsPerMm);
        },
        scale);
}

std::optional<RuntimeError> writePagePdf(const ExportTarget &target, const PageScene &scene,
                                         PageKinds kinds, QSizeF paperMm)
{
    return writePdf(target, paperMm, 1, [&](QPainter &painter, double dotsPerMm, int) {
        paintPageOn(painter, scene, kinds, dotsPerMm);
    });
}

std::optional<RuntimeError> writePdf(const ExportTarget &target, QSizeF paperMm, int pages,
                                     const PagePainter &paint)
{
    if (paperMm.isEmpty() || pages < 1)
        return RuntimeError::invalidCall();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setCreator(QString::fromUtf8(Version::ProductName));
        writer.setTitle(QFileInfo(target.path).completeBaseName());
        const bool landscape = paperMm.width() >= paperMm.height();
        const QSizeF portrait = landscape ? paperMm.transposed() : paperMm;
        const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        writer.setPageLayout(QPageLayout(size,
                                         landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
        if (const auto error = paintPages(writer, pages, [&writer] { return writer.newPage(); },
                                          paint))
            return RuntimeError::printerError(*error);
    }
    return writeExport(target, bytes);
}
