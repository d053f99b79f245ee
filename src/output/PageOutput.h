// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/PageRenderer.h"
#include "output/PrintCorrection.h"
#include "platform/RuntimeError.h"
#include "recordbook/ExportTarget.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class QPaintDevice;
class QPainter;

// The printed page on any paint device: the picture and the chosen kinds of annotation inside the
// print area, at the device's own resolution, origin at its top-left corner (a printer's printable
// area). `scale` makes up for a printer that prints a little small or large. Returns why the
// device could not be painted on.
std::optional<QString> paintPage(QPaintDevice &device, const PageScene &scene, PageKinds kinds,
                                 PrintScale scale = {});

// A PDF file holding the page: its page is the paper, landscape, with no margins, so the origin
// is the paper's corner and one millimetre of the canvas is one millimetre of the page. Lines are
// drawn at the resolution of a 600 dpi printer.
inline constexpr int PdfDotsPerInch = 600;
std::optional<RuntimeError> writePagePdf(const ExportTarget &target, const PageScene &scene,
                                         PageKinds kinds, QSizeF paperMm);

// Paints page after page on one painter in device units (dotsPerMm of them a millimetre) with the
// origin at the page's corner, starting each page after the first with `newPage`. Each page is
// drawn `scale` times larger about that corner, check bars and labels too. Returns why the device
// could not be painted on.
using PagePainter = std::function<void(QPainter &painter, double dotsPerMm, int page)>;
std::optional<QString> paintPages(QPaintDevice &device, int pages,
                                  const std::function<bool()> &newPage, const PagePainter &paint,
                                  PrintScale scale = {});

// A PDF file of `pages` pages, each of paperMm as above, each painted by `paint`.
std::optional<RuntimeError> writePdf(const ExportTarget &target, QSizeF paperMm, int pages,
                                     const PagePainter &paint);
