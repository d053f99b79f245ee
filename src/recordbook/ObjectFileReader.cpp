// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ObjectFileReader.h"

#include "ObjectRecords.h"
#include "document/LabelMetrics.h"
#include "platform/Cp932.h"

namespace {

// The lines of a file, taken a record at a time. The file is decoded as a whole: CR and LF
// never occur inside a double-byte character, so splitting after decoding is safe.
class LineSource
{
public:
    explicit LineSource(const QByteArray &bytes) : m_text(cp932::decode(bytes)) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The line the next record starts on, counted from 1.
    int nextLineNumber() const { return m_linesTaken + 1; }

    // The next `count` lines, or nothing when the file ends first.
    std::optional<QStringList> take(int count)
    {
        QStringList lines;
        lines.reserve(count);
        for (int i = 0; i < count; ++i) {
            if (atEnd())
                return std::nullopt;
            lines.append(nextLine());
        }
        return lines;
    }

private:
    QString nextLine()
    {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end) != u'\r' && m_text.at(end) != u'\n')
            ++end;
        QString line = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        ++m_linesTaken;
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'\r')
            ++m_pos;
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
            ++m_pos;
        return line;
    }

    const QString m_text;
    qsizetype m_pos = 0;
    int m_linesTaken = 0;
};

ObjectFileRead stoppedAt(RecordKind kind, int index, int line)
{
    return {DamagedRecord{kind, index, line}};
}

template <class T>
std::optional<T> nextRecord(LineSource &source)
{
    const std::optional<QStringList> lines = source.take(ObjectRecord<T>::LineCount);
    if (!lines)
        return std::nullopt;
    std::optional<T> object = ObjectRecord<T>::parse(*lines);
    if constexpr (std::is_same_v<T, AnnotationLabel>) {
        // Labels size themselves to their caption and font, here as everywhere.
        if (object)
            autoSize(*object);
    }
    return object;
}

// A spare-on-top collection: objects up to the first hidden record, which becomes the spare.
// A visible record at index 32767 would leave no room for the spare and is refused.
template <class T>
ObjectFileRead readSpareOnTop(LineSource &source, AnnotationCollection<T> &collection,
                              RecordKind kind)
{
    for (int k = 0; !source.atEnd(); ++k) {
        const int line = source.nextLineNumber();
        const std::optional<T> object = nextRecord<T>(source);
        if (!object || (object->Visible && k == collection.MaxIndex))
            return stoppedAt(kind, k, line);
        collection[k] = *object;
        if (!object->Visible)
            return {};
        collection.CreateElement(k + 1);
    }
    return {};
}

// The text labels: the template at 0 is read through whatever its flag (and stays hidden), the
// labels follow up to the first hidden record, and the element made for a further label that
// did not come is removed again.
ObjectFileRead readTemplateAtZero(LineSource &source,
                                  AnnotationCollection<AnnotationLabel> &collection)
{
    int j = 0;
    ObjectFileRead read;
    while (!source.atEnd()) {
        const int line = source.nextLineNumber();
        const std::optional<AnnotationLabel> label = nextRecord<AnnotationLabel>(source);
        if (!label) {
            read = stoppedAt(RecordKind::TextLabel, j, line);
            break;
        }
        if (j > 0 && !label->Visible)
            break;
        collection[j] = *label;
        if (j == 0)
            collection[0].Visible = false;
        if (!collection.CreateElement(j + 1)) // index 32767 reached: the label just read is the last
            return stoppedAt(RecordKind::TextLabel, j + 1, source.nextLineNumber());
        ++j;
    }
    if (j > 0)
        collection.DestroyElement(j);
    return read;
}

// The first collection that stopped short stops the file there; the later ones are not read.
template <class... Steps>
ObjectFileRead inTurn(Steps... steps)
{
    ObjectFileRead read;
    ((read = steps(), bool(read)) && ...);
    return read;
}

} // namespace

ObjectFileRead readLabelFile(const QByteArray &bytes, AnnotationStore &store)
{
    LineSource source(bytes);
    return inTurn([&] { return readSpareOnTop(source, store.lblKyori, RecordKind::DimensionLabel); },
                  [&] { return readTemplateAtZero(source, store.lblMoji); });
}

ObjectFileRead readLineFile(const QByteArray &bytes, AnnotationStore &store)
{
    LineSource source(bytes);
    return inTurn(
        [&] { return readSpareOnTop(source, store.lineHikidashi, RecordKind::LeaderLine); },
        [&] { return readSpareOnTop(source, store.lineHojoSave, RecordKind::ExtensionLine); },
        [&] { return readSpareOnTop(source, store.lineDsSave, RecordKind::DimensionLine); });
}

ObjectFileRead readMarkerFile(const QByteArray &bytes, AnnotationStore &store)
{
    LineSource source(bytes);
    return readSpareOnTop(source, store.shpSnpo, RecordKind::EndMarker);
}
