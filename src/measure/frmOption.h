// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

struct MeasuringTool;

// The scale option dialog "オプション" as a model: its six boxes, the ratio caption, focus and
// button rules. The desktop shows it through the platform and mirrors its state.
//
// Boxes 0..3 hold the ends of the horizontal reference (canvas millimetres at the zoom it was
// drawn at), box 4 its on-screen length (base millimetres) and box 5 its real length
// (millimetres).
class frmOption : public QObject
{
    Q_OBJECT

public:
    static constexpr int BoxCount = 6;
    static constexpr int EnterKey = 13;

    explicit frmOption(MeasuringTool &tool, QObject *parent = nullptr);

    // Fills the boxes and captions from the scale values.
    void Form_Load();
    // The dialog came up: the tools menu is locked and the canvas measures the reference line.
    void Form_Activate();
    // Leaves the calibration mode: measure tool again, tools menu enabled, tilt check hidden.
    void Form_Unload();

    void txtXY_GotFocus(int index);
    // Returns true when the key is swallowed (Enter); the caller then drops it.
    bool txtXY_KeyPress(int index, int keyAscii);
    void txtXY_LostFocus(int index);
    // What the user typed: any text is taken, numbers are checked when the box is left.
    void setBoxText(int index, const QString &text);

    void cmdSettei_Click();
    void cmdOK_Click();
    // Asks whoever loaded the dialog to unload it, as OK, the title bar's close button and
    // New/Open do. The model itself is released afterwards, once control is back in the event
    // loop.
    void Unload();

    // The canvas hands over the reference line being drawn: its ends from lineDistance and its
    // length in base millimetres.
    void FillFromReferenceLine(float length);

    // Texts as the boxes and labels show them.
    QString txtXY[BoxCount];
    QString lblUnit;
    QString lblRecio;
    // Why the reference may be too short for the lengths measured with it; empty when it is not.
    QString lblWarning;
    // The box holding the focus (-1: none of them) and its selection.
    int ActiveBox = -1;
    int SelStart = 0;
    int SelLength = 0;

signals:
    // Any text or caption changed; the view refreshes what differs.
    void changed();
    // The dialog moved the focus itself (Enter); the view puts its focus there.
    void focusRequested(int index);
    // Form_Unload ran: the main window's menus and canvas changed.
    void unloaded();
    // Unload was asked for.
    void closeRequested();

private:
    void moveFocus(int index);
    void recomputeScreenLength();
    void showRatio();

    MeasuringTool &m_tool;
    // The zoom at which the points in boxes 0..3 were taken on the canvas, and whether the user
    // has changed one of them since: only then does box 4 follow the points.
    float m_pointsZoom = 1.0f;
    bool m_pointsEdited = false;
};

// Whether a box's text counts as a number: spaces or tabs around it, an optional sign, digits
// with at most one decimal point (".5", "1." and "1.0" alike) and an optional exponent ("1e3",
// "1D3"), whose value fits a single; digits, signs and point may be full-width ("１２．５").
// "abc", "", "-" and "1.2.3" do not.
bool isNumericText(const QString &text);
