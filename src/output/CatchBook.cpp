// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatchBook.h"

#include "document/AnnotationTypes.h"
#include "measure/LengthUnits.h"
#include "recordbook/CatchTemplate.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A column: its header in the CSV, its key in JSON, the field of a row, and whether JSON
// writes it as a number.
struct Column
{
    const char16_t *header;
    const char *key;
    QString (*value)(const CatchRow &);
    bool number = false;
};

const std::array<Column, 15> Columns = {{
    {u"記録帳", "book", [](const CatchRow &r) { return r.book; }},
    {u"画像", "picture", [](const CatchRow &r) { return r.picture; }},
    {u"寸法番号", "dimension", [](const CatchRow &r) { return QString::number(r.dimension); },
     true},
    {u"表示", "caption", [](const CatchRow &r) { return r.caption; }},
    {u"cm", "cm", [](const CatchRow &r) { return r.cm; }},
    {u"inch", "inches", [](const CatchRow &r) { return r.inches; }},
    {u"コメント", "comment", [](const CatchRow &r) { return r.comment; }},
    {u"魚種", "species", [](const CatchRow &r) { return r.species; }},
    {u"重さ", "weight", [](const CatchRow &r) { return r.weight; }},
    {u"釣り人", "angler", [](const CatchRow &r) { return r.angler; }},
    {u"釣り場", "place", [](const CatchRow &r) { return r.place; }},
    {u"潮", "tide", [](const CatchRow &r) { return r.tide; }},
    {u"餌", "bait", [](const CatchRow &r) { return r.bait; }},
    {u"仕掛け", "rig", [](const CatchRow &r) { return r.rig; }},
    {u"日時", "date", [](const CatchRow &r) { return r.date; }},
}};

// The entries the text labels give after the template's captions.
void fillTemplateFields(const AnnotationStore &objects, CatchRow &fields)
{
    using Line = CatchTemplateLine;
    const std::pair<Line, QString *> wanted[] = {
        {Line::Title, &fields.species}, {Line::Weight, &fields.weight},
        {Line::Angler, &fields.angler}, {Line::Place, &fields.place},
        {Line::Tide, &fields.tide},     {Line::Bait, &fields.bait},
        {Line::Rig, &fields.rig},       {Line::Date, &fields.date},
    };
    for (const auto &[line, field] : wanted)
        *field = templateEntry(objects, line);
}

// A number as a spreadsheet reads it, with its sign ("-12.5", "+3"): no formula.
bool isSignedNumber(QStringView text)
{
    qsizetype digits = 0;
    qsizetype points = 0;
    for (const QChar c : text.trimmed().mid(1)) {
        if (c == u'.')
            ++points;
        else if (c >= u'0' && c <= u'9')
            ++digits;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

// The field as a spreadsheet shows it rather than evaluates it.
QString neutralised(const QString &field)
{
    const auto first = std::find_if(field.begin(), field.end(),
                                    [](QChar c) { return !c.isSpace(); });
    if (first == field.end())
        return field;
    const bool formula = *first == u'=' || *first == u'@'
                         || ((*first == u'+' || *first == u'-') && field.trimmed() != u"-"
                             && !isSignedNumber(field));
    return formula ? u'\'' + field : field;
}

QByteArray quoted(const QString &field)
{
    QString text = neutralised(field);
    text.replace(u'"', QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

} // namespace

std::vector<CatchRow> catchRows(const QString &bookPath, const QString &pictureFileName,
                                const AnnotationStore &objects)
{
    CatchRow shared;
    shared.book = bookPath;
    shared.picture = pictureFileName;
    fillTemplateFields(objects, shared);
    std::vector<CatchRow> rows;
    const AnnotationCollection<AnnotationLabel> &labels = objects.lblKyori;
    // The kept dimensions: every label below the spare on top.
    for (int i = 0; i < labels.UBound(); ++i) {
        CatchRow row = shared;
        row.dimension = i + 1;
        row.caption = labels[i].Caption.trimmed();
        row.comment = labels[i].ToolTipText.trimmed();
        if (const std::optional<CaptionLength> length = parseLengthText(row.caption)) {
            // A centimetre caption gives its own number; an inch one to the millimetre, finer
            // than its eighths.
            const double cm = length->mm / 10;
            row.cm = row.caption.endsWith(u"cm") ? row.caption.chopped(2).section(u'±', 0, 0)
                                                 : QString::number(cm, 'f', 1);
            row.inches = QString::number(length->mm / MmPerInch, 'f', 2);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

QByteArray catchBookCsv(const std::vector<CatchRow> &rows)
{
    QByteArray csv("\xEF\xBB\xBF");
    const auto line = [&csv](auto field) {
        for (std::size_t c = 0; c < Columns.size(); ++c) {
            if (c > 0)
                csv += ',';
            csv += quoted(field(Columns[c]));
        }
        csv += "\r\n";
    };
    line([](const Column &column) { return QString::fromUtf16(column.header); });
    for (const CatchRow &row : rows)
        line([&row](const Column &column) { return column.value(row); });
    return csv;
}

QByteArray catchBookJsonLines(const std::vector<CatchRow> &rows)
{
    QByteArray lines;
    for (const CatchRow &row : rows) {
        QJsonObject object;
        for (const Column &column : Columns) {
            const QString value = column.value(row);
            object.insert(QLatin1String(column.key),
                          column.number ? QJsonValue(value.toInt()) : QJsonValue(value));
        }
        lines += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    return lines;
}

std::optional<RuntimeError> writeCatchBook(const ExportTarget &target,
                                           const std::vector<CatchRow> &rows)
{
    const bool jsonLines = target.format == QLatin1String("jsonl");
    return writeExport(target, jsonLines ? catchBookJsonLines(rows) : catchBookCsv(rows));
}
