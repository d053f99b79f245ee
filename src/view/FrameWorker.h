// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/CaptionLayouts.h"
#include "document/FontThread.h"

// The thread that renders part of a frame while the caller renders the rest, with caption
// layouts of its own.
using FrameWorker = FontThread<CaptionLayouts>;
