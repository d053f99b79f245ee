// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCheckDialog.h"

#include "measure/ProcessState.h"
#include "ScreenScale.h"
#include "platform/SettingsWriteFailure.h"
#include "frmMain.h"
#include "app/Zoom.h"

#include <algorithm>
#include <cmath>

namespace {

const QString Title = QStringLiteral("画面の実寸合わせ");

QSize cardPxFor(platform::PixelsPerMm pixelsPerMm)
{
    return {int(std::lround(pixelsPerMm.across * ScreenCheckDialog::CardWidthMm)),
            int(std::lround(pixelsPerMm.down * ScreenCheckDialog::CardHeightMm))};
}

int withinScreenRange(int px, double cardMm)
{
    return std::clamp(px, int(std::ceil(MinScreenPixelsPerMm * cardMm)),
                      int(std::floor(MaxScreenPixelsPerMm * cardMm)));
}

QString unsavedText(const QString &screen, const QString &value, const QString &file,
                    const QString &reason)
{
    return QStringLiteral("次の画面の実寸を設定ファイルに保存できませんでした。\r") + screen
           + QStringLiteral("：") + value + QStringLiteral(" px/mm\r\r設定ファイル：") + file
           + QStringLiteral("\r理由：") + reason
           + QStringLiteral("\r\r測った値はこのプログラムを終了するまで使われますが、"
                            "次の起動には引き継がれません。");
}

} // namespace

ScreenCheckDialog::ScreenCheckDialog(ProcessState &process, platform::Platform &platform,
                                     platform::ScreenInfo screen, QObject *parent)
    : QObject(parent), m_process(process), m_platform(platform), m_screen(std::move(screen))
{
}

void ScreenCheckDialog::Form_Load()
{
    const std::optional<platform::PixelsPerMm> measured = measuredPixelsPerMm(m_process, m_screen);
    m_startedMeasured = measured.has_value();
    m_accepted = false;
    setCardPx(cardPxFor(measured.value_or(reportedPixelsPerMm(m_screen))));
}

void ScreenCheckDialog::dragCorner(QSize cardPx)
{
    setCardPx(cardPx);
}

void ScreenCheckDialog::nudge(int across, int down, bool tenfold)
{
    const int step = tenfold ? 10 : 1;
    setCardPx(m_cardPx + QSize(across * step, down * step));
}

void ScreenCheckDialog::resetToReported()
{
    setCardPx(cardPxFor(reportedPixelsPerMm(m_screen)));
}

platform::PixelsPerMm ScreenCheckDialog::pixelsPerMm() const
{
    return {m_cardPx.width() / CardWidthMm, m_cardPx.height() / CardHeightMm};
}

void ScreenCheckDialog::OKButton_Click()
{
    m_accepted = true;
    const platform::PixelsPerMm measured = pixelsPerMm();
    if (!keepMeasuredPixelsPerMm(m_process, m_screen, measured)) {
        const QString value = pixelsPerMmText(measured);
        const QString &file = m_process.settingsFile;
        m_platform.showOk(Title,
                          unsavedText(screenSettingsKey(m_screen), value, file,
                                      settingsWriteFailure(file, value)),
                          platform::MessageIcon::Warning);
    }
    emit closeRequested();
}

void ScreenCheckDialog::CancelButton_Click()
{
    m_accepted = false;
    emit closeRequested();
}

void ScreenCheckDialog::setCardPx(QSize cardPx)
{
    m_cardPx = QSize(withinScreenRange(cardPx.width(), CardWidthMm),
                     withinScreenRange(cardPx.height(), CardHeightMm));
    emit changed();
}

bool checkScreen(frmMain &form)
{
    ScreenCheckDialog dialog(form.process, form.platform, form.platform.currentScreen());
    dialog.Form_Load();
    form.platform.showScreenCheckDialog(dialog);
    return dialog.accepted();
}

void offerScreenCheckOnce(frmMain &form)
{
    const platform::ScreenInfo screen = form.platform.currentScreen();
    if (measuredPixelsPerMm(form.process, screen)
        || !form.process.unmeasuredScreensTold.insert(screenSettingsKey(screen)).second) {
        return;
    }
    const platform::MessageAnswer answer = form.platform.showMessage(
        {QStringLiteral("画面上で実物大"),
         QStringLiteral("この画面はまだ実寸合わせをしていないため、画面が伝える大きさで表示します。"
                        "実物と違って見えることがあります。\r\r"
                        "今、カードを当てて画面の実寸合わせをしますか？"),
         platform::MessageIcon::Question, platform::MessageButtons::YesNo});
    if (answer == platform::MessageAnswer::Yes)
        checkScreen(form);
}

void registerScreenCheckCommand(frmMain &form)
{
    form.setCommand(QStringLiteral("mnuDispScreenCheck"), [&form] {
        if (checkScreen(form) && form.menus[QStringLiteral("mnuDispRealOnScreen")].checked)
            zoomToRealSizeOnScreen(form);
    });
}
