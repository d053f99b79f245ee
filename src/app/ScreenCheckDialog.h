// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QSize>

struct ProcessState;
class frmMain;

// The screen self-check "画面の実寸合わせ" as a model: a rectangle the user sizes until it
// matches a bank card held against the screen (ISO/IEC 7810 ID-1, 85.60 x 53.98 mm), across and
// down apart, since pixels need not be square. The desktop shows it through the platform, draws
// the rectangle and hands it every drag and key.
class ScreenCheckDialog : public QObject
{
    Q_OBJECT

public:
    static constexpr double CardWidthMm = 85.60;
    static constexpr double CardHeightMm = 53.98;

    ScreenCheckDialog(ProcessState &process, platform::Platform &platform,
                      platform::ScreenInfo screen, QObject *parent = nullptr);

    // The rectangle starts at the screen's measurement when there is one, else at its report.
    void Form_Load();
    // The corner handle dragged: the rectangle's new size in pixels. Like every change below, it
    // stays within the sizes a screen can have.
    void dragCorner(QSize cardPx);
    // An arrow key: one pixel a step, ten with Shift.
    void nudge(int across, int down, bool tenfold);
    // "画面の報告値に戻す": the size the screen's report gives.
    void resetToReported();
    // The measurement is put in force and written to the settings file; a failed write is told,
    // with the reason, and the measurement holds until the program ends.
    void OKButton_Click();
    void CancelButton_Click();

    const platform::ScreenInfo &screen() const { return m_screen; }
    QSize cardPx() const { return m_cardPx; }
    platform::PixelsPerMm pixelsPerMm() const;
    // Whether the rectangle started from an earlier measurement rather than the report.
    bool startedMeasured() const { return m_startedMeasured; }
    bool accepted() const { return m_accepted; }

signals:
    void changed();
    void closeRequested();

private:
    void setCardPx(QSize cardPx);

    ProcessState &m_process;
    platform::Platform &m_platform;
    platform::ScreenInfo m_screen;
    QSize m_cardPx;
    bool m_startedMeasured = false;
    bool m_accepted = false;
};

// The self-check of the screen the main window is on; true when the user measured it (OK).
bool checkScreen(frmMain &form);

// Before a zoom that needs the screen's true size: on a screen never measured, says once a run
// that its report is used, and offers the self-check.
void offerScreenCheckOnce(frmMain &form);

// "画面の実寸合わせ" of the view menu. A new measurement shows at once when the view is at
// "画面上で実物大".
void registerScreenCheckCommand(frmMain &form);
