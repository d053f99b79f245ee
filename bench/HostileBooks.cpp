// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostileBooks.h"

#include "Segment.h"
#include "recordbook/RecordBook.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <functional>

namespace {

constexpr qsizetype IniCapBytes = 1024 * 1024;
constexpr qsizetype ObjectFileCapBytes = 32 * 1024 * 1024;
constexpr int MostDimensions = 16383; // two end markers each, at most 32,767 markers
constexpr int MostElements = 32767;

QString randomText(QRandomGenerator &random, int length, char16_t first, int range)
{
    QString text(length, Qt::Uninitialized);
    for (QChar &c : text)
        c = QChar(char16_t(first + random.bounded(range)));
    return text;
}

// Kept dimensions with the given captions and fonts; their boxes are sized when they are read.
void addDimensions(AnnotationStore &objects, int count,
                   const std::function<void(AnnotationLabel &, int)> &style = {})
{
    QRandomGenerator random(1);
    for (int i = 0; i < count; ++i) {
        const float x = float(random.bounded(250.0)), y = float(random.bounded(180.0));
        MarkerShape marker = objects.shpSnpo.spare();
        AnnotationLabel label = objects.lblKyori.spare();
        label.Caption = QStringLiteral("1.0cm");
        objects.AppendDimension(label, segment(x, y, x + 10, y), segment(x, y + 5, x, y),
                                segment(x + 10, y + 5, x + 10, y), marker, marker);
        if (style)
            style(objects.lblKyori[i], i);
    }
}

void addTextLabels(AnnotationStore &objects, int count,
                   const std::function<void(AnnotationLabel &, int)> &style)
{
    QRandomGenerator random(2);
    for (int i = 0; i < count; ++i) {
        AnnotationLabel &label = objects.lblMoji[*objects.CreateTextLabel()];
        label.Left = float(random.bounded(250.0));
        label.Top = float(random.bounded(180.0));
        label.Visible = true;
        style(label, i);
    }
}

void addLeaderLines(AnnotationStore &objects, int count)
{
    QRandomGenerator random(3);
    while (objects.lineHikidashi.UBound() < count) {
        objects.lineHikidashi.AppendToSpare(
            segment(float(random.bounded(280.0)), float(random.bounded(200.0)),
                    float(random.bounded(280.0)), float(random.bounded(200.0))));
    }
}

// Each number in the object file written as long as the file's cap allows (leading zeros and
// trailing decimals), which the reader must still parse.
QByteArray paddedNumbers(const QByteArray &file)
{
    const QList<QByteArray> lines = file.split('\n');
    qsizetype numbers = 0;
    for (const QByteArray &line : lines)
        numbers += !line.isEmpty() && (std::isdigit(uchar(line.front())) || line.front() == '-');
    const qsizetype padding = (ObjectFileCapBytes - file.size()) / std::max<qsizetype>(1, numbers);
    QByteArray out;
    out.reserve(ObjectFileCapBytes);
    for (const QByteArray &line : lines) {
        const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
        const bool number = !bare.isEmpty() && (std::isdigit(uchar(bare.front())));
        out += number ? QByteArray(padding, '0') + bare : bare;
        if (&line != &lines.back())
            out += "\r\n";
    }
    return out.left(ObjectFileCapBytes);
}

struct Hostile
{
    const char *name;
    std::function<void(RecordBookContent &)> fill;
    // Applied to the written files: the .ini, then the three object files.
    std::function<QByteArray(const QString &suffix, const QByteArray &bytes)> rewrite = {};
};

const Hostile hostileBooks[] = {
    {"one-caption-filling-the-label-file",
     [](RecordBookContent &book) {
         QRandomGenerator random(4);
         addTextLabels(book.annotations, 1, [&](AnnotationLabel &label, int) {
             // ASCII, one byte a character: the longest caption the label file can hold
             label.Caption = randomText(random, int(ObjectFileCapBytes - 4096), u'!', 94);
         });
     }},
    {"every-label-with-a-long-caption",
     [](RecordBookContent &book) {
         QRandomGenerator random(5);
         // 49,149 labels sharing 32 MiB: some 260 double-byte characters each
         const auto caption = [&](AnnotationLabel &label, int) {
             label.Caption = randomText(random, 260, u'ぁ', 80);
         };
         addDimensions(book.annotations, MostDimensions, caption);
         addTextLabels(book.annotations, MostElements - 1, caption);
     }},
    {"a-different-font-for-every-label",
     [](RecordBookContent &book) {
         QRandomGenerator random(6);
         const auto font = [&](AnnotationLabel &label, int i) {
             label.FontName = randomText(random, 31, u'ア', 80);
             label.FontSize = float(4 + i % 40);
             label.FontBold = i % 2;
             label.FontItalic = i % 3 == 0;
             label.Caption = QStringLiteral("体長 %1cm").arg(i);
         };
         addDimensions(book.annotations, MostDimensions, font);
         addTextLabels(book.annotations, MostElements - 1, font);
     }},
    {"font-names-of-a-hundred-thousand-characters",
     [](RecordBookContent &book) {
         QRandomGenerator random(7);
         addTextLabels(book.annotations, 300, [&](AnnotationLabel &label, int) {
             label.FontName = randomText(random, 100'000, u'a', 26);
             label.Caption = QStringLiteral("釣り場メモ");
         });
     }},
    {"every-collection-at-its-limit",
     [](RecordBookContent &book) {
         addDimensions(book.annotations, MostDimensions);
         addTextLabels(book.annotations, MostElements - 1, [](AnnotationLabel &label, int i) {
             label.Caption = QStringLiteral("No.%1 真鯛").arg(i);
         });
         addLeaderLines(book.annotations, MostElements - 1);
     }},
    {"numbers-padded-to-the-file-cap",
     [](RecordBookContent &book) {
         addDimensions(book.annotations, 2000);
         addLeaderLines(book.annotations, 2000);
     },
     [](const QString &suffix, const QByteArray &bytes) {
         return suffix == QLatin1String(".ini") ? bytes : paddedNumbers(bytes);
     }},
    {"settings-file-at-its-cap",
     [](RecordBookContent &book) { addDimensions(book.annotations, 100); },
     [](const QString &suffix, const QByteArray &bytes) {
         if (suffix != QLatin1String(".ini"))
             return bytes;
         QByteArray ini = bytes;
         for (int i = 0; ini.size() < IniCapBytes - 200; ++i)
             ini += QStringLiteral("[節%1]\r\nkey%1=%2\r\n").arg(i).arg(QString(40, u'値')).toUtf8();
         return ini.left(IniCapBytes);
     }},
};

bool writePhoto(const QString &path)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(qRgb(90, 120, 150));
    return photo.save(path, "JPEG", 90);
}

bool rewriteFile(const QString &path, const QString &suffix, const Hostile &hostile)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = hostile.rewrite(suffix, file.readAll());
    file.close();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

} // namespace

QStringList writeHostileBooks(const QString &folder)
{
    QStringList names;
    for (const Hostile &hostile : hostileBooks) {
        const QString bookFolder = folder + u'/' + QLatin1String(hostile.name);
        RecordBookContent book;
        book.pictureFileName = QStringLiteral("photo.jpg");
        hostile.fill(book);
        if (!QDir().mkpath(bookFolder) || !writePhoto(bookFolder + QStringLiteral("/photo.jpg"))
            || subSaveRecordBook(bookFolder, QStringLiteral("book.ini"), book))
            return {};
        if (hostile.rewrite) {
            for (const QString suffix : {".ini", "_Text.Bin", "_Line.Bin", "_Shape.Bin"}) {
                const QString path = bookFolder + QStringLiteral("/book") + suffix;
                if (!rewriteFile(path, suffix, hostile))
                    return {};
            }
        }
        names.append(QLatin1String(hostile.name));
    }
    return names;
}
