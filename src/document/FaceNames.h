// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

#include <mutex>
#include <unordered_map>

// Which face a label's font name is measured and drawn in. An installed family, or a name with
// substitutes, goes to Qt as it is. For any other name Qt asks fontconfig for fallbacks, a couple
// of milliseconds a name; a damaged or hostile record book can hold a different name for each
// of its 49,149 labels, which took 90 s to open. So only the first 64 such names are looked up
// each in their own right (fontconfig may know an alias for one); any further one is taken as the
// application's default face, which is what Qt falls back to for a name it does not know.
// Safe to use from several threads.
class FaceNames
{
public:
    QString drawnFace(const QString &face);
    void clear();

private:
    std::mutex m_mutex;
    QSet<QString> m_installed; // in lower case; filled on first use
    std::unordered_map<QString, QString> m_decided;
    int m_unknown = 0;
};
