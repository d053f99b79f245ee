// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/EditTarget.h"
#include "annotations/LabelEvents.h"
#include "annotations/StyleDefaults.h"
#include "document/AnnotationStore.h"
#include "document/RecordBookDocument.h"
#include "platform/MenuTree.h"
#include "platform/Platform.h"

// What the edit commands, the pop-ups and the label events work on: the kept annotations, the
// style defaults, the object the edit pop-up names, the grab of a dragged label, the door every
// change goes through, the menu states and the platform. The main window hands it over.
struct AnnotationEditing
{
    AnnotationStore &annotations;
    StyleDefaults &defaults;
    EditTargetRef &EditTarget;
    LabelGrab &labelGrab;
    RecordBookDocument &document;
    MenuTree &menus;
    platform::Platform &platform;
};
