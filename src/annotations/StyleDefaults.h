// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

// The two visible samples whose look every new annotation copies; every look command changes them
// too, so the last look chosen becomes the next object's. They are not saved.
struct StyleDefaults
{
    StyleDefaults();

    AnnotationLabel lblDefault; // caption and place are set by the main window
    AnnotationLine linDefault;
};
