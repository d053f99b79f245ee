// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

struct AnnotationStore;
struct LiveObjects;

// Re-lays every annotation out for the zoom now in force: geometry and label fonts are multiplied
// by ZoomFactor / LayoutZoom about the canvas origin and the dimension end markers are centred on
// their line ends again. A failure stops it with a message; what was done stays done.
// LayoutZoom is the zoom the geometry was laid out for; it becomes ZoomFactor.
void subDisp_Object(AnnotationStore &annotations, LiveObjects &live, float &LayoutZoom,
                    float ZoomFactor, platform::Platform &platform);
