// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QImage>

class QLabel;
class TilePreview;

// The preview of a print over several sheets: the print area as it will print, the sheets drawn
// over it and numbered in the order they print, the sheet count and the paper's turn, and the
// overlap to change. Its buttons print the sheets, print one page as before, or go back.
class TilePreviewWidget : public QDialog
{
    Q_OBJECT

public:
    TilePreviewWidget(TilePreview &preview, QWidget *parent);

    platform::TileChoice choice() const { return m_choice; }

private:
    class SheetsView;

    void finish(platform::TileChoice choice);

    TilePreview &m_preview;
    QLabel *m_summary = nullptr;
    platform::TileChoice m_choice = platform::TileChoice::Cancel;
};
