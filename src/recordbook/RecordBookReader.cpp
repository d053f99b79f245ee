// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBook.h"

#include "FileLookup.h"
#include "ObjectFileReader.h"
#include "RecordBookKeys.h"
#include "StoredNumbers.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <type_traits>

namespace {

using namespace recordbookkeys;

// Far above what 32767 dimensions and 32767 text labels need (some 20 MB with long comments);
// a longer file is read this far, so a hostile one cannot exhaust the memory.
constexpr qint64 MaxObjectFileBytes = 32 * 1024 * 1024;

using ObjectFileReader = ObjectFileRead (*)(const QByteArray &, AnnotationStore &);

// Every stored scale value, a missing key as 0; nothing when one overflows its type.
std::optional<ScaleValues> readScaleValues(const ProfileDocument &document)
{
    ScaleValues values;
    bool ok = true;
    visitScaleValues(values, [&](const QString &section, const QString &key, auto &value) {
        const QString text = document.value(section, key);
        using Value = std::remove_reference_t<decltype(value)>;
        std::optional<Value> read;
        if constexpr (std::is_same_v<Value, QString>)
            read = text;
        else if constexpr (std::is_same_v<Value, float>)
            read = storednumbers::readSingle(text);
        else
            read = storednumbers::readDouble(text);
        ok = ok && read.has_value();
        if (read)
            value = *read;
    });
    if (!ok)
        return std::nullopt;
    return values;
}

// An object file named in the .ini is a plain file name: a folder part could reach anywhere.
FoundFile findObjectFile(const QString &name, const QString &iniFolder,
                         const QString &fallbackFolder)
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name == u"."
        || name == u"..")
        return {};
    return findFileInFolders(name, {iniFolder, fallbackFolder});
}

ObjectFileReport readObjectFile(const QString &name, const FoundFile &found,
                                ObjectFileReader read, AnnotationStore &store)
{
    const QString &path = found.path;
    ObjectFileReport report{path, true, found.ambiguous, name, {}};
    if (path.isEmpty())
        return report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report.complete = false;
        return report;
    }
    // As much as the file holds, up to the cap: no larger buffer is set up for a small file.
    const QByteArray bytes = file.read(std::clamp<qint64>(file.size(), 0, MaxObjectFileBytes));
    const bool whole = file.error() == QFileDevice::NoError && file.atEnd();
    report.damagedRecord = read(bytes, store).damaged;
    report.complete = !report.damagedRecord && whole;
    return report;
}

} // namespace

RecordBookLoadResult subLoadRecordBook(const QString &iniPath, const QString &fallbackFolder,
                                       QString &pictureFileName, ScaleValues &scale,
                                       AnnotationStore &annotations)
{
    RecordBookLoadResult result;
    const QFileInfo ini(iniPath);
    if (!ini.exists()) {
        result.error = RuntimeError::fileNotFound();
        return result;
    }
    const std::optional<ProfileDocument> document =
        ini.isFile() ? ProfileDocument::load(iniPath) : std::nullopt;
    if (!document) {
        result.error = RuntimeError::pathFileAccess();
        return result;
    }
    const std::optional<ScaleValues> values = readScaleValues(*document);
    if (!values) {
        result.error = RuntimeError::overflow();
        return result;
    }
    result.product = document->value(SectionVersion, KeyProduct);
    result.printArea = readPrintArea(*document);
    pictureFileName = document->value(SectionFiles, KeyPicture);
    scale = *values;

    annotations.ClearDimensions();
    annotations.ClearTextLabels();
    annotations.ClearLeaderLines();
    const QString folder = ini.absolutePath();
    const auto read = [&](const QString &key, ObjectFileReader reader) {
        const QString name = document->value(SectionFiles, key);
        return readObjectFile(name, findObjectFile(name, folder, fallbackFolder), reader,
                              annotations);
    };
    result.textFile = read(KeyTextFile, readLabelFile);
    result.lineFile = read(KeyLineFile, readLineFile);
    result.shapeFile = read(KeyShapeFile, readMarkerFile);
    return result;
}

RecordBookLoadResult subLoadRecordBook(const QString &iniPath, const QString &fallbackFolder,
                                       RecordBookContent &content)
{
    RecordBookLoadResult result = subLoadRecordBook(iniPath, fallbackFolder,
                                                    content.pictureFileName, content.scale,
                                                    content.annotations);
    if (!result.error) {
        content.product = result.product;
        content.printAreaMm = result.printArea.area;
    }
    return result;
}
