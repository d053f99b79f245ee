// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainLayout.h"

#include <cmath>

int scrollMaximum(double canvasExtent, int viewExtent)
{
    return int(std::nearbyint(canvasExtent - viewExtent + 4));
}

MainLayout Form_Resize(WindowState state, QSize outerSize, const WindowMetrics &metrics,
                       QSizeF canvasSize, ScrollBarState &vscY, ScrollBarState &hscX)
{
    MainLayout layout;
    if (state == WindowState::Normal)
        outerSize = outerSize.expandedTo(MinimumWindowSize);
    layout.outerSize = outerSize;
    if (state == WindowState::Minimized)
        return layout;
    layout.laidOut = true;

    const int vscWidth = metrics.verticalScrollBarWidth;
    const int hscHeight = metrics.verticalScrollArrowHeight;
    const int width = outerSize.width() - vscWidth - 2 * metrics.sizingFrameWidth;
    const int height = outerSize.height() - hscHeight - metrics.captionHeight
                       - metrics.menuBarHeight - 2 * metrics.sizingFrameHeight
                       - ToolbarStripHeight;
    layout.pictWindow = QRect(0, ToolbarStripHeight, width, height);

    const QRect &view = layout.pictWindow;
    vscY.geometry = QRect(view.left() + view.width(), view.top(), vscWidth, view.height());
    vscY.Max = scrollMaximum(canvasSize.height(), view.height());
    hscX.geometry = QRect(view.left(), view.top() + view.height(), view.width(), hscHeight);
    hscX.Max = scrollMaximum(canvasSize.width(), view.width());
    for (ScrollBarState *bar : {&vscY, &hscX}) {
        bar->SmallChange = 10;
        bar->LargeChange = 50;
    }
    return layout;
}
