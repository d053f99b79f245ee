// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObjectRecords.h"

#include "RecordFields.h"
#include "StoredNumbers.h"
#include "platform/NumberText.h"

#include <type_traits>

namespace {

struct FieldWriter
{
    QStringList &out;

    void operator()(const char *, bool value) { out.append(numbertext::formatBool(value)); }
    void operator()(const char *, const QString &value) { out.append(value); }
    void operator()(const char *, float value) { out.append(numbertext::formatSingle(value)); }
    void operator()(const char *, std::int16_t value) { out.append(QString::number(value)); }
    void operator()(const char *, OleColor value)
    {
        out.append(storednumbers::writeColour(value));
    }
};

// Reads the lines in turn into the fields; after the first value that does not fit its field
// nothing more is taken and ok stays false.
struct FieldReader
{
    const QStringList &lines;
    qsizetype next = 0;
    bool ok = true;

    template <class V>
    void operator()(const char *, V &field)
    {
        if (!ok)
            return;
        const QString &text = lines.at(next++);
        if constexpr (std::is_same_v<V, QString>)
            field = text;
        else
            ok = store(field, convert(field, text));
    }

    template <class V>
    static bool store(V &field, const std::optional<V> &value)
    {
        if (value)
            field = *value;
        return value.has_value();
    }
    static std::optional<bool> convert(bool, const QString &t) { return numbertext::parseBool(t); }
    static std::optional<float> convert(float, const QString &t)
    {
        return storednumbers::readSingle(t);
    }
    static std::optional<std::int16_t> convert(std::int16_t, const QString &t)
    {
        return storednumbers::readInt16(t);
    }
    static std::optional<OleColor> convert(OleColor, const QString &t)
    {
        return storednumbers::readColour(t);
    }
};

template <class T>
QStringList recordLines(const T &object)
{
    QStringList out;
    out.reserve(ObjectRecord<T>::LineCount);
    visitFields(object, FieldWriter{out});
    return out;
}

template <class T>
std::optional<T> parseRecord(const QStringList &lines)
{
    if (lines.size() != ObjectRecord<T>::LineCount)
        return std::nullopt;
    T object;
    FieldReader reader{lines};
    visitFields(object, reader);
    if (!reader.ok)
        return std::nullopt;
    return object;
}

const QString TagName = QStringLiteral("タグ");

} // namespace

QStringList ObjectRecord<AnnotationLabel>::lines(const AnnotationLabel &label)
{
    return recordLines(label);
}

std::optional<AnnotationLabel> ObjectRecord<AnnotationLabel>::parse(const QStringList &lines)
{
    return parseRecord<AnnotationLabel>(lines);
}

QString ObjectRecord<AnnotationLabel>::fieldName(int index)
{
    switch (index) {
    case 1: return QStringLiteral("キャプション");
    case 2: return QStringLiteral("コメント");
    case 3: return TagName;
    case 13: return QStringLiteral("フォント名");
    default: return QString::number(index + 1) + QStringLiteral(" 行目");
    }
}

QStringList ObjectRecord<AnnotationLine>::lines(const AnnotationLine &line)
{
    return recordLines(line);
}

std::optional<AnnotationLine> ObjectRecord<AnnotationLine>::parse(const QStringList &lines)
{
    return parseRecord<AnnotationLine>(lines);
}

QString ObjectRecord<AnnotationLine>::fieldName(int index)
{
    return index == 1 ? TagName : QString::number(index + 1) + QStringLiteral(" 行目");
}

QStringList ObjectRecord<MarkerShape>::lines(const MarkerShape &shape)
{
    return recordLines(shape);
}

std::optional<MarkerShape> ObjectRecord<MarkerShape>::parse(const QStringList &lines)
{
    return parseRecord<MarkerShape>(lines);
}

QString ObjectRecord<MarkerShape>::fieldName(int index)
{
    return ObjectRecord<AnnotationLine>::fieldName(index);
}
