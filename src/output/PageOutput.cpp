#include "PageOutput.h"

#include "app/Version.h"
#include "recordbook/StagedFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

std::optional<QString> paintPage(QPaintDevice &device, const PageScene &scene, PageKinds kinds)
{
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("印刷を開始できませんでした。");
    PageStyle style;
    style.dotsPerMm = device.logicalDpiX() / 25.4;
    style.kinds = kinds;
    renderPage(painter, scene, style);
    paintWhiteMasks(painter, scene.masks, style.dotsPerMm);
    if (!painter.end())
        return QStringLiteral("印刷を終えられませんでした。");
    return std::nullopt;
}

std::optional<RuntimeError> writePagePdf(const QString &path, const PageScene &scene,
                                         PageKinds kinds, QSizeF paperMm)
{
    if (paperMm.isEmpty())
        return RuntimeError::invalidCall();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setCreator(QString::fromUtf8(Version::ProductName));
        writer.setTitle(QFileInfo(path).completeBaseName());
        const bool landscape = paperMm.width() >= paperMm.height();
        const QSizeF portrait = landscape ? paperMm.transposed() : paperMm;
        const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        writer.setPageLayout(QPageLayout(size,
                                         landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
        if (const auto error = paintPage(writer, scene, kinds))
            return RuntimeError::printerError(*error);
    }
    const QFileInfo target(path);
    StagedFiles staged(target.absolutePath(), StagedFiles::Durability::Unsynced);
    if (auto error = staged.stage(target.fileName(), bytes))
        return error;
    return staged.commit();
}
