// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBookSnapshot.h"

namespace {

std::size_t textBytes(const QString &text)
{
    return std::size_t(text.size()) * sizeof(QChar);
}

std::size_t textBytes(const AnnotationLabel &label)
{
    return textBytes(label.Caption) + textBytes(label.ToolTipText) + textBytes(label.Tag)
           + textBytes(label.FontName);
}

template <class Record>
std::size_t textBytes(const Record &record)
{
    return textBytes(record.Tag);
}

template <class T>
std::size_t collectionBytes(const AnnotationCollection<T> &collection)
{
    std::size_t bytes = std::size_t(collection.UBound() + 1) * sizeof(T);
    for (const T &record : collection)
        bytes += textBytes(record);
    return bytes;
}

} // namespace

std::size_t estimatedBytes(const RecordBookSnapshot &snapshot)
{
    const AnnotationStore &store = snapshot.annotations;
    return sizeof(RecordBookSnapshot) + collectionBytes(store.lblKyori)
           + collectionBytes(store.lineDsSave) + collectionBytes(store.lineHojoSave)
           + collectionBytes(store.shpSnpo) + collectionBytes(store.lblMoji)
           + collectionBytes(store.lineHikidashi) + textBytes(snapshot.scale.GE_strPpSize);
}
