#include "PictureLoading.h"

#include "app/frmMain.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// Qt refuses to decode more than 256 MB by default, which turns away ordinary 70-megapixel
// photographs. Allow the largest picture we open, at four bytes a pixel, with room to spare.
void allowLargePictures()
{
    static const bool allowed = [] {
        QImageReader::setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 64);
        return true;
    }();
    Q_UNUSED(allowed);
}

QString readerErrorText(const QImageReader &reader)
{
    switch (reader.error()) {
    case QImageReader::FileNotFoundError: return QStringLiteral("ファイルが見つかりません。");
    case QImageReader::DeviceError: return QStringLiteral("ファイルを読み込めません。");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("画像ファイルではないか、対応していない形式です。");
    case QImageReader::InvalidDataError: return QStringLiteral("画像データが壊れています。");
    default: return QStringLiteral("画像を読み込めません。");
    }
}

// A JPEG that ends early still decodes, grey below the cut; libjpeg only warns about it. Catch
// the warning so a damaged photo is reported instead of shown half grey.
class TruncationWatch
{
public:
    TruncationWatch() { s_truncated = false; s_previous = qInstallMessageHandler(&handler); }
    ~TruncationWatch() { qInstallMessageHandler(s_previous); }
    bool truncated() const { return s_truncated; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (text.contains(QLatin1String("Premature end of"))
            || text.contains(QLatin1String("Corrupt JPEG data")))
            s_truncated = true;
        else if (s_previous)
            s_previous(type, context, text);
    }
    static inline bool s_truncated = false;
    static inline QtMessageHandler s_previous = nullptr;
};

} // namespace

PictureLoadResult loadPicture(const QString &file, PictureOrientation orientation)
{
    allowLargePictures();
    if (!QFileInfo(file).isFile())
        return {{}, QStringLiteral("ファイルが見つかりません。") + QLatin1Char('\r') + file};
    QImageReader reader(file);
    reader.setAutoTransform(orientation == PictureOrientation::Upright);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels) {
        return {{}, QStringLiteral("画像が大きすぎます（%1 × %2 画素）。1 億 5000 万画素まで開けます。")
                        .arg(size.width())
                        .arg(size.height())};
    }
    TruncationWatch watch;
    QImage image = reader.read();
    if (image.isNull())
        return {{}, readerErrorText(reader) + QLatin1Char('\r') + file};
    if (watch.truncated())
        return {{}, QStringLiteral("画像データが途中で切れています。") + QLatin1Char('\r') + file};
    // One pixel format for every source keeps painting on the fast path.
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    return {image, {}};
}

bool subMapDraw(frmMain &form, const QString &file, PictureOrientation orientation)
{
    PictureLoadResult loaded;
    {
        platform::BusyGuard busy(form.platform);
        loaded = loadPicture(file, orientation);
    }
    if (loaded.image.isNull()) {
        form.platform.showOk(QStringLiteral("画像表示時エラー"),
                             QStringLiteral("subMapDraw()") + QLatin1Char('\r') + loaded.error);
        return false;
    }
    form.pictOrg = std::move(loaded.image);
    form.pictMapPx = QSizeF(form.pictOrg.size());
    form.pictureOnCanvasMm = form.pictOrgSizeMm();
    form.pictMapHasPicture = true;
    form.relayout();
    return true;
}
