#pragma once

#include "annotations/CaptionLayouts.h"
#include "document/FontThread.h"

// The thread that renders part of a frame while the caller renders the rest, with caption
// layouts of its own.
using FrameWorker = FontThread<CaptionLayouts>;
