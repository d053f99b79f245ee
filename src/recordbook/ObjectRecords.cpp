#include "ObjectRecords.h"

#include "StoredNumbers.h"
#include "platform/NumberText.h"

namespace {

// Each record's properties in file order; reading and writing both walk this one list.
template <class Label, class Visit>
void visitFields(Label &label, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Label>, AnnotationLabel>
{
    visit(label.Visible);
    visit(label.Caption);
    visit(label.ToolTipText);
    visit(label.Tag);
    visit(label.Top);
    visit(label.Left);
    visit(label.Width);
    visit(label.Height);
    visit(label.Alignment);
    visit(label.BackStyle);
    visit(label.BorderStyle);
    visit(label.BackColor);
    visit(label.ForeColor);
    visit(label.FontName);
    visit(label.FontSize);
    visit(label.FontItalic);
    visit(label.FontBold);
    visit(label.FontStrikethru);
    visit(label.FontUnderline);
}

template <class Line, class Visit>
void visitFields(Line &line, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Line>, AnnotationLine>
{
    visit(line.Visible);
    visit(line.Tag);
    visit(line.X1);
    visit(line.Y1);
    visit(line.X2);
    visit(line.Y2);
    visit(line.BorderColor);
    visit(line.BorderWidth);
    visit(line.BorderStyle);
    visit(line.DrawMode);
}

template <class Shape, class Visit>
void visitFields(Shape &shape, Visit &&visit)
    requires std::is_same_v<std::remove_const_t<Shape>, MarkerShape>
{
    visit(shape.Visible);
    visit(shape.Tag);
    visit(shape.Left);
    visit(shape.Top);
    visit(shape.Width);
    visit(shape.Height);
    visit(shape.BackColor);
    visit(shape.FillColor);
    visit(shape.BorderColor);
    visit(shape.BorderWidth);
    visit(shape.FillStyle);
    visit(shape.BorderStyle);
    visit(shape.DrawMode);
    visit(shape.Shape);
    visit(shape.BackStyle);
}

struct FieldWriter
{
    QStringList &out;

    void operator()(bool value) { out.append(numbertext::formatBool(value)); }
    void operator()(const QString &value) { out.append(value); }
    void operator()(float value) { out.append(numbertext::formatSingle(value)); }
    void operator()(std::int16_t value) { out.append(QString::number(value)); }
    void operator()(OleColor value) { out.append(storednumbers::writeColour(value)); }
};

// Reads the lines in turn into the fields; after the first value that does not fit its field
// nothing more is taken and ok stays false.
struct FieldReader
{
    const QStringList &lines;
    qsizetype next = 0;
    bool ok = true;

    template <class V>
    void operator()(V &field)
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
