#pragma once

#include <QByteArray>
#include <QString>

// Writes a fuzz input to disk whole; a disk that refuses stops the run, as that is no finding.
void writeFuzzFile(const QString &path, const QByteArray &bytes);
