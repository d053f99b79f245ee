// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

// The three records every annotation on the canvas is made of. Geometry is in canvas millimetres
// at the zoom the objects are laid out for; fields are listed in the order the record book keeps
// them.

inline constexpr double MmPerInch = 25.4;

// The canvas measures logical millimetres of a 96 dpi screen.
inline constexpr double ScreenPixelsPerMm = 96.0 / MmPerInch;
inline constexpr double MmPerScreenPixel = MmPerInch / 96.0;

// 0x00BBGGRR: red in the low byte. A value with the top bit set names a system colour.
using OleColor = std::uint32_t;

constexpr OleColor rgb(int r, int g, int b)
{
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}

inline constexpr OleColor SystemWindowColor = 0x80000005; // the window background
inline constexpr OleColor SystemWindowTextColor = 0x80000008;

// Design sizes of canvas objects come in twips (1440 per inch); the canvas measures millimetres.
constexpr float twipsToMm(float twips)
{
    return twips * 25.4f / 1440.0f;
}

enum DrawModes : std::int16_t { DrawModeXorPen = 7, DrawModeCopyPen = 13 };
enum BorderStyles : std::int16_t {
    BorderTransparent = 0,
    BorderSolid = 1,
    BorderDash = 2,
    BorderDot = 3,
    BorderDashDot = 4,
    BorderDashDotDot = 5,
};
enum LabelAlignment : std::int16_t { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
enum ShapeKinds : std::int16_t {
    ShapeRectangle = 0,
    ShapeSquare = 1,
    ShapeOval = 2,
    ShapeCircle = 3,
    ShapeRoundedRectangle = 4,
    ShapeRoundedSquare = 5,
};
enum FillStyles : std::int16_t { FillSolid = 0, FillTransparent = 1 };

struct AnnotationLabel
{
    bool Visible = false;
    QString Caption;
    QString ToolTipText;
    QString Tag;
    float Top = 0;
    float Left = 0;
    float Width = 0;
    float Height = 0;
    std::int16_t Alignment = AlignLeft;
    std::int16_t BackStyle = 1; // 0 transparent, 1 opaque
    std::int16_t BorderStyle = 0; // 0 none, 1 single frame
    OleColor BackColor = rgb(255, 255, 255);
    OleColor ForeColor = rgb(0, 0, 0);
    QString FontName;
    float FontSize = 9.75f;
    bool FontItalic = false;
    bool FontBold = false;
    bool FontStrikethru = false;
    bool FontUnderline = false;

    bool operator==(const AnnotationLabel &) const = default;
};

struct AnnotationLine
{
    bool Visible = false;
    QString Tag;
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    OleColor BorderColor = rgb(0, 0, 0);
    std::int16_t BorderWidth = 1; // pixels
    std::int16_t BorderStyle = BorderSolid;
    std::int16_t DrawMode = DrawModeCopyPen;

    bool operator==(const AnnotationLine &) const = default;
};

struct MarkerShape
{
    bool Visible = false;
    QString Tag;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    OleColor BackColor = rgb(255, 255, 255);
    OleColor FillColor = rgb(0, 0, 0);
    OleColor BorderColor = rgb(0, 0, 0);
    std::int16_t BorderWidth = 1;
    std::int16_t FillStyle = FillTransparent;
    std::int16_t BorderStyle = BorderSolid;
    std::int16_t DrawMode = DrawModeCopyPen;
    std::int16_t Shape = ShapeRectangle;
    std::int16_t BackStyle = 0;

    bool operator==(const MarkerShape &) const = default;
};

// Puts a marker's centre on a point, keeping its size.
inline void centreOn(MarkerShape &marker, float x, float y)
{
    marker.Top = y - marker.Height / 2;
    marker.Left = x - marker.Width / 2;
}
