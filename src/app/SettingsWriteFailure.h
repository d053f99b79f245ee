#pragma once

#include <QString>

// Why a folder could not be written to the settings file, for the user: a value the file cannot
// carry, or what the file system shows about the file and its folder. Asked after the write
// failed, so the answer is the likeliest reason, not a record of the failing call.
QString settingsWriteFailure(const QString &settingsFile, const QString &value);
