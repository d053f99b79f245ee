// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct AnnotationEditing;

// Opens the edit pop-up "p編集" for the object in EditTarget. "測定線の反対側へ移動" is offered
// for a dimension only, "複製" for a text label or a leader line (a dimension has no copy), and
// "消去" for all three; the style sample offers none of them. The other items keep the states
// the tool mode gave them.
void showEditPopup(AnnotationEditing &edit);
