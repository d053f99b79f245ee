// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceNames.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace {

constexpr int MostUnknownFaces = 64;

} // namespace

void FaceNames::clear()
{
    const std::lock_guard lock(m_mutex);
    m_installed.clear();
    m_decided.clear();
    m_unknown = 0;
}

QString FaceNames::drawnFace(const QString &face)
{
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_decided.find(face); found != m_decided.end())
        return found->second;
    if (m_installed.isEmpty()) {
        for (const QString &family : QFontDatabase::families())
            m_installed.insert(family.toLower());
    }
    QString drawn = face;
    const bool known = face.isEmpty() || m_installed.contains(face.toLower())
                       || !QFont::substitutes(face).isEmpty();
    if (!known && ++m_unknown > MostUnknownFaces) {
        const QStringList defaults = QGuiApplication::font().families();
        drawn = defaults.isEmpty() ? QString() : defaults.first();
    }
    return m_decided.emplace(face, drawn).first->second;
}
