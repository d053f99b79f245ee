#pragma once

// The record book keeps the Windows font names; no Linux font package answers to them, so they
// are mapped to the installed Japanese fonts once at start-up.
void installFontSubstitutions();
