// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenCheckDialog.h"
#include "app/ScreenScale.h"
#include "platform/Cp932.h"
#include "StartedForm.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray cp932Bytes(const QString &text)
{
    return cp932::encode(text).bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the user does with the rectangle.
struct Step
{
    enum Kind { Drag, Nudge, ShiftNudge, Reset } kind;
    QSize value; // the size dragged to, or the arrow keys' direction
};

struct CheckCase
{
    const char *name;
    QString fileBefore; // Init.ini as text; empty: there is none
    std::vector<Step> steps;
    bool ok; // OK, otherwise キャンセル
    QSize startPx;
    QSize endPx;
    QString fileAfter;
};
void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.name;
}

class ScreenCheck : public ::testing::TestWithParam<CheckCase>
{
};

const QString Measured = QStringLiteral("[フォルダPath]\r\nPRJ_FD=/r\r\n[画面の実寸]\r\n"
                                        "HDMI-1 1920x1080+0+0=4.0000,4.5000\r\n");

} // namespace

// The scripted screen reports 96 dots an inch: 3.7795 px/mm, so the card starts at
// 85.60 x 3.7795 = 323.5 -> 324 by 53.98 x 3.7795 = 204.0 -> 204 pixels. A stored 4.0 x 4.5
// gives 342.4 -> 342 by 242.9 -> 243.
TEST_P(ScreenCheck, SizesTheCardAndKeepsItPerScreen)
{
    const CheckCase &c = GetParam();
    StartedForm started(cp932Bytes(c.fileBefore));
    started.platform.useScreenCheckDialog = [&](ScreenCheckDialog &dialog) {
        EXPECT_EQ(dialog.cardPx(), c.startPx);
        for (const Step &step : c.steps) {
            switch (step.kind) {
            case Step::Drag: dialog.dragCorner(step.value); break;
            case Step::Nudge: dialog.nudge(step.value.width(), step.value.height(), false); break;
            case Step::ShiftNudge:
                dialog.nudge(step.value.width(), step.value.height(), true);
                break;
            case Step::Reset: dialog.resetToReported(); break;
            }
        }
        EXPECT_EQ(dialog.cardPx(), c.endPx);
        c.ok ? dialog.OKButton_Click() : dialog.CancelButton_Click();
    };
    ASSERT_TRUE(started.form.runCommand(QStringLiteral("mnuDispScreenCheck")));
    EXPECT_EQ(fileBytes(started.process.settingsFile), cp932Bytes(c.fileAfter));
    EXPECT_TRUE(started.platform.messages.empty());

    // The next run reads what was kept.
    ProcessState next;
    next.settingsFile = started.process.settingsFile;
    const auto measured = measuredPixelsPerMm(next, started.platform.screen);
    ASSERT_EQ(measured.has_value(), !c.fileAfter.isEmpty());
    if (measured) {
        EXPECT_EQ(QSize(int(std::lround(measured->across * ScreenCheckDialog::CardWidthMm)),
                        int(std::lround(measured->down * ScreenCheckDialog::CardHeightMm))),
                  c.ok ? c.endPx : c.startPx);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenCheck,
    ::testing::Values(
        // 325 / 85.60 = 3.79673, 214 / 53.98 = 3.96443: across and down apart.
        CheckCase{"ArrowKeysSizeAcrossAndDownApart", "",
                  {{Step::Nudge, {1, 0}}, {Step::ShiftNudge, {0, 1}}}, true, {324, 204},
                  {325, 214},
                  "[画面の実寸]\r\nHDMI-1 1920x1080+0+0=3.7967,3.9644\r\n"},
        // 300 / 85.60 = 3.50467, 200 / 53.98 = 3.70508; the folders stay byte for byte.
        CheckCase{"ADragReplacesTheStoredValueOnly", Measured,
                  {{Step::Drag, {300, 200}}}, true, {342, 243}, {300, 200},
                  "[フォルダPath]\r\nPRJ_FD=/r\r\n[画面の実寸]\r\n"
                  "HDMI-1 1920x1080+0+0=3.5047,3.7051\r\n"},
        // 1 px/mm at the least (85.6 -> 86), 25 at the most (53.98 x 25 = 1349.5 -> 1349).
        CheckCase{"DragsStopAtWhatAScreenCanBe", "",
                  {{Step::Drag, {10, 5000}}, {Step::ShiftNudge, {-1, 1}}}, false, {324, 204},
                  {86, 1349}, ""},
        CheckCase{"TheReportIsOneClickAwayAndCancelKeepsTheFile", Measured,
                  {{Step::Drag, {500, 300}}, {Step::Reset, {}}}, false, {342, 243}, {324, 204},
                  Measured},
        CheckCase{"ADamagedValueStartsFromTheReport",
                  "[画面の実寸]\r\nHDMI-1 1920x1080+0+0=3.78\r\n", {}, true, {324, 204},
                  {324, 204}, "[画面の実寸]\r\nHDMI-1 1920x1080+0+0=3.7850,3.7792\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

struct KeyCase
{
    const char *name;
    platform::ScreenInfo screen;
    QString key;
};
void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

class ScreenKey : public ::testing::TestWithParam<KeyCase>
{
};

} // namespace

// Whatever the screen's name, its key is one the settings file can hold, and the value kept
// under it reads back.
TEST_P(ScreenKey, NamesAndPlacesAScreenAndReadsBack)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(screenSettingsKey(c.screen), c.key);
    StartedForm started;
    ASSERT_TRUE(keepMeasuredPixelsPerMm(started.process, c.screen, {4.25, 3.5}));
    ProcessState next;
    next.settingsFile = started.process.settingsFile;
    const auto read = measuredPixelsPerMm(next, c.screen);
    ASSERT_TRUE(read.has_value());
    EXPECT_DOUBLE_EQ(read->across, 4.25);
    EXPECT_DOUBLE_EQ(read->down, 3.5);
    // A screen elsewhere on the desktop is another screen.
    platform::ScreenInfo moved = c.screen;
    moved.geometry.translate(1, 0);
    EXPECT_FALSE(measuredPixelsPerMm(next, moved).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenKey,
    ::testing::Values(
        KeyCase{"Plain", {"HDMI-1", QRect(0, 0, 1920, 1080), {}}, "HDMI-1 1920x1080+0+0"},
        KeyCase{"LeftOfAndAboveThePrimary", {"DP-2", QRect(-2560, -360, 2560, 1440), {}},
                "DP-2 2560x1440-2560-360"},
        KeyCase{"Nameless", {"", QRect(0, 0, 800, 600), {}}, "800x600+0+0"},
        KeyCase{"CharactersOfTheFileSyntax",
                {"Dell U27=[1];\"%", QRect(0, 0, 3840, 2160), {}},
                "Dell%20U27%3D%5B1%5D%3B%22%25 3840x2160+0+0"},
        KeyCase{"NonAsciiAndALineBreak", {QStringLiteral("画面€\n"), QRect(0, 0, 1, 1), {}},
                "%E7%94%BB%E9%9D%A2%E2%82%AC%0A 1x1+0+0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ScreenScale, ReadsOnlyTwoPlausibleNumbers)
{
    EXPECT_TRUE(parsePixelsPerMm(QStringLiteral(" 3.7795 , 25 ")).has_value());
    EXPECT_TRUE(parsePixelsPerMm(QStringLiteral("1,1")).has_value());
    for (const char *text : {"", "3.78", "3.78,", "4,5,6", "4;5", "abc,4", "0,4", "0.99,4",
                             "4,25.01", "nan,4", "inf,4", "-4,4"})
        EXPECT_FALSE(parsePixelsPerMm(QLatin1String(text)).has_value()) << text;
    // A screen that reports nothing usable counts as the canvas's nominal 96 dots an inch.
    const platform::PixelsPerMm nominal =
        reportedPixelsPerMm({"X", QRect(0, 0, 640, 480), {0, 3.8}});
    EXPECT_DOUBLE_EQ(nominal.across, 96 / 25.4);
    EXPECT_DOUBLE_EQ(nominal.down, 96 / 25.4);
}

// A file the measurement cannot be written to is told as the folder settings tell it; the
// measurement holds until the program ends, and the next self-check starts from it.
TEST(ScreenCheck, AFailedWriteIsToldAndTheMeasurementHoldsForThisRun)
{
    StartedForm started;
    QDir().mkpath(started.process.settingsFile);
    started.platform.useScreenCheckDialog = [](ScreenCheckDialog &dialog) {
        dialog.dragCorner({428, 270}); // 5.0000 x 5.0019 px/mm
        dialog.OKButton_Click();
    };
    started.form.runCommand(QStringLiteral("mnuDispScreenCheck"));
    ASSERT_EQ(started.platform.messages.size(), 1u);
    const platform::MessageRequest &message = started.platform.messages[0];
    EXPECT_EQ(message.title, QStringLiteral("画面の実寸合わせ"));
    EXPECT_EQ(message.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(message.text,
              QStringLiteral("次の画面の実寸を設定ファイルに保存できませんでした。\r"
                             "HDMI-1 1920x1080+0+0：5.0000,5.0019 px/mm\r\r設定ファイル：")
                  + started.process.settingsFile
                  + QStringLiteral("\r理由：設定ファイルの名前でフォルダなど、ファイルでないものが"
                                   "あります。\r\r測った値はこのプログラムを終了するまで使われ"
                                   "ますが、次の起動には引き継がれません。"));
    started.platform.useScreenCheckDialog = [](ScreenCheckDialog &dialog) {
        EXPECT_TRUE(dialog.startedMeasured());
        EXPECT_EQ(dialog.cardPx(), QSize(428, 270));
        dialog.CancelButton_Click();
    };
    started.form.runCommand(QStringLiteral("mnuDispScreenCheck"));
}
