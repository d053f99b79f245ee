// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleDefaults.h"

#include "document/LabelMetrics.h"

StyleDefaults::StyleDefaults()
{
    lblDefault.Visible = true;
    lblDefault.ForeColor = rgb(0, 0, 192);
    lblDefault.BackColor = rgb(255, 255, 255);
    lblDefault.BackStyle = 1;
    lblDefault.BorderStyle = 0;
    lblDefault.Alignment = AlignLeft;
    lblDefault.FontName = QStringLiteral("ＭＳ Ｐゴシック");
    lblDefault.FontSize = 9.75f;
    lblDefault.FontItalic = true;
    lblDefault.ToolTipText =
        QStringLiteral("右クリックでポップアップが開きます。「表示」より非表示に設定できます。");
    autoSize(lblDefault);

    linDefault.Visible = true;
    linDefault.BorderColor = rgb(0, 0, 255);
    linDefault.BorderWidth = 1;
    linDefault.BorderStyle = BorderSolid;
    linDefault.DrawMode = DrawModeCopyPen;
}
