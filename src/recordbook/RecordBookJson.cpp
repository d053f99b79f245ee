// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBookJson.h"

#include "RecordBookKeys.h"
#include "RecordFields.h"
#include "platform/NumberText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace recordbookkeys;

// Singles as their shortest text says, not with the noise of their double expansion.
QJsonValue toJson(float value)
{
    return numbertext::formatSingle(value).toDouble();
}
QJsonValue toJson(double value)
{
    return value;
}
QJsonValue toJson(bool value)
{
    return value;
}
QJsonValue toJson(std::int16_t value)
{
    return int(value);
}
QJsonValue toJson(OleColor value)
{
    return std::int32_t(value);
}
QJsonValue toJson(const QString &value)
{
    return value;
}

template <class T>
QJsonArray toJson(const AnnotationCollection<T> &collection)
{
    QJsonArray elements;
    for (const T &element : collection) {
        QJsonObject fields;
        visitFields(element, [&](const char *name, const auto &value) {
            fields.insert(QLatin1String(name), toJson(value));
        });
        elements.append(fields);
    }
    return elements;
}

QJsonObject toJson(const ObjectFileReport &report)
{
    return {{QStringLiteral("path"), report.path}, {QStringLiteral("complete"), report.complete}};
}

} // namespace

QByteArray recordBookToJson(const RecordBookContent &content, const RecordBookLoadResult *load)
{
    QJsonObject scale;
    visitScaleValues(content.scale, [&](const QString &, const QString &key, const auto &value) {
        scale.insert(key, toJson(value));
    });
    const AnnotationStore &store = content.annotations;
    QJsonObject book{
        {KeyPicture, content.pictureFileName},
        {KeyProduct, content.product},
        {QStringLiteral("scale"), scale},
        {QStringLiteral("lblKyori"), toJson(store.lblKyori)},
        {QStringLiteral("lineDsSave"), toJson(store.lineDsSave)},
        {QStringLiteral("lineHojoSave"), toJson(store.lineHojoSave)},
        {QStringLiteral("shpSnpo"), toJson(store.shpSnpo)},
        {QStringLiteral("lblMoji"), toJson(store.lblMoji)},
        {QStringLiteral("lineHikidashi"), toJson(store.lineHikidashi)},
    };
    if (load) {
        book.insert(QStringLiteral("objectFiles"),
                    QJsonObject{{KeyTextFile, toJson(load->textFile)},
                                {KeyLineFile, toJson(load->lineFile)},
                                {KeyShapeFile, toJson(load->shapeFile)}});
    }
    return QJsonDocument(book).toJson(QJsonDocument::Indented);
}
