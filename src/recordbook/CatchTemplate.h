#pragma once

struct AnnotationStore;

// The catch record template a new record book may start with: a title line and eight captions
// (body length, weight, angler, fishing place, tide, bait, rig, date and time) as ordinary text
// labels, which the user completes with the text tool. Each starts as a copy of the text-label
// template and is sized to its caption. Expects the text labels to have been erased, so that
// the nine become lblMoji(1) to lblMoji(9); positions are canvas millimetres at 100 %.
void subMakeTemplate(AnnotationStore &annotations);
