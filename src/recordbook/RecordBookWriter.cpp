// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBook.h"

#include "InterruptedSave.h"
#include "ObjectRecords.h"
#include "RecordBookKeys.h"
#include "SaveTargets.h"
#include "StagedFiles.h"
#include "platform/Version.h"
#include "platform/Cp932.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

using namespace recordbookkeys;

RuntimeError refusal(const QString &description)
{
    return {RuntimeError::invalidCall().number, description};
}

// "文字列 3" + "キャプション" -> "文字列 3 のキャプション"
QString fieldOf(const QString &object, const QString &field)
{
    return object + (object.back().isDigit() ? QStringLiteral(" の") : QStringLiteral("の"))
           + field;
}

// Why `text` cannot be stored as one line of code page 932, or nothing when it can; appends its
// bytes to `out` when it can.
std::optional<QString> appendText(QByteArray &out, const QString &text)
{
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0')))
        return QStringLiteral("に改行または制御文字が含まれています。");
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        out += text.toLatin1();
        return std::nullopt;
    }
    const cp932::EncodeResult encoded = cp932::encode(text);
    if (!encoded.ok()) {
        return QStringLiteral("に記録帳に保存できない文字「") + encoded.unencodable
               + QStringLiteral("」が含まれています。");
    }
    out += encoded.bytes;
    return std::nullopt;
}

// The kinds of object the user can be told about, one per stored collection.
enum class Kind { DimensionLabel, TextLabel, LeaderLine, ExtensionLine, DimensionLine, Marker };

QString objectName(Kind kind, int index, bool spare)
{
    const auto dimension = [](int number, const char16_t *part) {
        return QStringLiteral("寸法 %1 の").arg(number) + QString::fromUtf16(part);
    };
    switch (kind) {
    case Kind::DimensionLabel:
        return spare ? QStringLiteral("寸法ラベルの予備") : dimension(index + 1, u"ラベル");
    case Kind::DimensionLine:
        return spare ? QStringLiteral("寸法線の予備") : dimension(index + 1, u"寸法線");
    case Kind::ExtensionLine:
        return spare ? QStringLiteral("補助線の予備") : dimension(index / 2 + 1, u"補助線");
    case Kind::Marker:
        return spare ? QStringLiteral("端点の予備") : dimension(index / 2 + 1, u"端点");
    case Kind::TextLabel:
        return index == 0 ? QStringLiteral("文字列のテンプレート")
                          : QStringLiteral("文字列 %1").arg(index);
    case Kind::LeaderLine:
        return spare ? QStringLiteral("引出線の予備") : QStringLiteral("引出線 %1").arg(index + 1);
    }
    return {};
}

// Appends elements 0 … last of a collection, one record each. The spare on top is always stored
// hidden, whatever the canvas shows of it (a leader line half drawn): a reader takes the first
// hidden record for the end of the collection.
template <class T>
std::optional<RuntimeError> appendRecords(QByteArray &out, const AnnotationCollection<T> &items,
                                          int last, Kind kind)
{
    const bool spareOnTop = items.policy() == CollectionPolicy::SpareOnTop;
    for (int i = 0; i <= last; ++i) {
        T record = items[i];
        if (spareOnTop && i == items.UBound())
            record.Visible = false;
        const QStringList lines = ObjectRecord<T>::lines(record);
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (const auto problem = appendText(out, lines.at(n))) {
                const bool spare = spareOnTop && i == items.UBound();
                return refusal(fieldOf(objectName(kind, i, spare),
                                       ObjectRecord<T>::fieldName(int(n)))
                               + *problem);
            }
            out += "\r\n";
        }
    }
    return std::nullopt;
}

struct ObjectFiles
{
    QByteArray text;
    QByteArray line;
    QByteArray shape;
};

std::optional<RuntimeError> composeObjectFiles(const AnnotationStore &store, ObjectFiles &files)
{
    std::optional<RuntimeError> error =
        appendRecords(files.text, store.lblKyori, store.lblKyori.UBound(), Kind::DimensionLabel);
    if (!error)
        error = appendRecords(files.text, store.lblMoji, store.lblMoji.UBound(), Kind::TextLabel);
    if (!error) {
        error = appendRecords(files.line, store.lineHikidashi, store.lineHikidashi.UBound(),
                              Kind::LeaderLine);
    }
    if (!error) {
        error = appendRecords(files.line, store.lineHojoSave, store.lineHojoSave.UBound(),
                              Kind::ExtensionLine);
    }
    if (!error) {
        error = appendRecords(files.line, store.lineDsSave, store.lineDsSave.UBound(),
                              Kind::DimensionLine);
    }
    // The markers go with the extension lines: as many as those, as far as markers exist.
    if (!error) {
        const int last = std::min(store.lineHojoSave.UBound(), store.shpSnpo.UBound());
        error = appendRecords(files.shape, store.shpSnpo, last, Kind::Marker);
    }
    return error;
}

struct IniValue
{
    QString section;
    QString key;
    QString value;
    QString description; // how the user knows the value, for a refusal
};

QString numberText(float value)
{
    return numbertext::formatSingle(value);
}
QString numberText(double value)
{
    return numbertext::formatDouble(value);
}
QString numberText(const QString &text)
{
    return text;
}

QList<IniValue> iniValues(const QString &fileName, const QString &pictureFileName,
                          const ScaleValues &scale)
{
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(Version::Major)
                                .arg(Version::Minor)
                                .arg(Version::Revision);
    QList<IniValue> values{
        {SectionVersion, KeyVersion, version, KeyVersion},
        {SectionVersion, KeyProduct, QString::fromUtf8(Version::ProductName), KeyProduct},
        {SectionFiles, KeyPicture, pictureFileName, QStringLiteral("画像ファイル名")},
    };
    visitScaleValues(scale, [&](const QString &section, const QString &key, const auto &value) {
        // Numbers always fit; the one text is the paper size code.
        values.append({section, key, numberText(value), QStringLiteral("用紙サイズ")});
    });
    const QString base = baseName(fileName);
    const QString bookName = QStringLiteral("記録帳のファイル名");
    values.append({SectionFiles, KeyTextFile, base + TextFileSuffix, bookName});
    values.append({SectionFiles, KeyLineFile, base + LineFileSuffix, bookName});
    values.append({SectionFiles, KeyShapeFile, base + ShapeFileSuffix, bookName});
    return values;
}

// Why one of the values could not be stored or read back whole, if one cannot.
std::optional<RuntimeError> refusedIniValue(const QList<IniValue> &values)
{
    for (const IniValue &entry : values) {
        QByteArray bytes;
        if (const auto problem = appendText(bytes, entry.value))
            return refusal(entry.description + *problem);
        if (bytes.size() > ProfileDocument::MaxValueBytes) {
            return refusal(entry.description + QStringLiteral("が長すぎます（%1 バイトまで）。")
                                                   .arg(ProfileDocument::MaxValueBytes));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<RuntimeError> subSaveRecordBook(const QString &folder, const QString &fileName,
                                              const QString &pictureFileName,
                                              const ScaleValues &scale,
                                              const AnnotationStore &annotations,
                                              const std::optional<QRectF> &printAreaMm)
{
    if (fileName.size() < 4 || fileName.contains(u'/'))
        return RuntimeError::invalidCall();
    if (!QFileInfo(folder).isDir())
        return RuntimeError::pathNotFound();
    const SaveTargets targets = saveTargets(folder, fileName);
    if (targets.refusal)
        return targets.refusal;
    const QList<IniValue> values = iniValues(fileName, pictureFileName, scale);
    if (const auto error = refusedIniValue(values))
        return error;
    ObjectFiles objects;
    if (const auto error = composeObjectFiles(annotations, objects))
        return error;
    if (const auto error = tidyBeforeSaving(targets))
        return error;
    std::optional<ProfileDocument> document =
        ProfileDocument::load(QDir(folder).filePath(fileName));
    if (!document)
        return RuntimeError::pathFileAccess();
    // Set in table order as one profile write each would; an empty value is skipped.
    for (const IniValue &entry : values)
        document->setValue(entry.section, entry.key, entry.value);
    writePrintArea(*document, printAreaMm);

    // Each file goes where the targets say, so that what is written is what was checked.
    StagedFiles files(folder);
    const QByteArray contents[] = {document->bytes(), objects.text, objects.line, objects.shape};
    std::optional<RuntimeError> error;
    for (qsizetype i = 0; i < qsizetype(std::size(contents)) && !error; ++i)
        error = files.stage(targets.files.value(i), contents[i]);
    if (!error)
        error = files.commit();
    return error;
}

std::optional<RuntimeError> subSaveRecordBook(const QString &folder, const QString &fileName,
                                              const RecordBookContent &content)
{
    return subSaveRecordBook(folder, fileName, content.pictureFileName, content.scale,
                             content.annotations, content.printAreaMm);
}
