#include "RecordBook.h"

#include "ObjectFileReader.h"
#include "RecordBookKeys.h"
#include "StoredNumbers.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <type_traits>

namespace {

using namespace recordbookkeys;

// Far above what 32767 dimensions and 32767 text labels need (some 20 MB with long comments);
// a longer file is read this far, so a hostile one cannot exhaust the memory.
constexpr qint64 MaxObjectFileBytes = 32 * 1024 * 1024;

using ObjectFileRead = bool (*)(const QByteArray &, AnnotationStore &);

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
QString findObjectFile(const QString &name, const QString &iniFolder,
                       const QString &fallbackFolder)
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name == u"."
        || name == u"..")
        return {};
    for (const QString &folder : {iniFolder, fallbackFolder}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) // never a device or a pipe that would not end
            return path;
    }
    return {};
}

ObjectFileReport readObjectFile(const QString &path, ObjectFileRead read,
                                AnnotationStore &store)
{
    ObjectFileReport report{path, true};
    if (path.isEmpty())
        return report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report.complete = false;
        return report;
    }
    const QByteArray bytes = file.read(MaxObjectFileBytes);
    const bool whole = file.error() == QFileDevice::NoError && file.atEnd();
    report.complete = read(bytes, store) && whole;
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
    pictureFileName = document->value(SectionFiles, KeyPicture);
    scale = *values;

    annotations.ClearDimensions();
    annotations.ClearTextLabels();
    annotations.ClearLeaderLines();
    const QString folder = ini.absolutePath();
    const auto objectFile = [&](const QString &key) {
        return findObjectFile(document->value(SectionFiles, key), folder, fallbackFolder);
    };
    result.textFile = readObjectFile(objectFile(KeyTextFile), readLabelFile, annotations);
    result.lineFile = readObjectFile(objectFile(KeyLineFile), readLineFile, annotations);
    result.shapeFile = readObjectFile(objectFile(KeyShapeFile), readMarkerFile, annotations);
    return result;
}

RecordBookLoadResult subLoadRecordBook(const QString &iniPath, const QString &fallbackFolder,
                                       RecordBookContent &content)
{
    RecordBookLoadResult result = subLoadRecordBook(iniPath, fallbackFolder,
                                                    content.pictureFileName, content.scale,
                                                    content.annotations);
    if (!result.error)
        content.product = result.product;
    return result;
}
