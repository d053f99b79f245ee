#pragma once

#include "annotations/AnnotationStore.h"

#include <QByteArray>

// Rebuilds collections from the bytes of one object file. The collections are expected to hold
// only their element 0. Each returns false when a record was damaged (a flag that is no boolean,
// a number beyond its field, a record cut short) or no further element could be made: reading
// stops there, the damaged record is not applied and everything read before stays.
// Lines may end in CR LF, LF or CR.

// Dimension labels, then text labels.
bool readLabelFile(const QByteArray &bytes, AnnotationStore &store);
// Leader lines, then extension lines, then dimension lines.
bool readLineFile(const QByteArray &bytes, AnnotationStore &store);
// End markers.
bool readMarkerFile(const QByteArray &bytes, AnnotationStore &store);
