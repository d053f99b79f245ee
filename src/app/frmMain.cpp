// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include "ScreenCheckDialog.h"
#include "platform/SettingsFile.h"
#include "UnsavedChanges.h"
#include "Toolbar.h"
#include "ToolModes.h"
#include "dlgFolda.h"
#include "view/DefaultSample.h"
#include "app/DisplayToggles.h"
#include "app/EditCommands.h"
#include "app/PrintCheckCommand.h"
#include "document/LabelMetrics.h"
#include "document/ScaleModel.h"
#include "annotations/TextAndLeaderPopups.h"
#include "platform/Version.h"
#include "measure/LengthUnitCommands.h"
#include "measure/MeasurePopup.h"
#include "measure/WeightCommands.h"
#include "app/OutputCommands.h"
#include "app/PaperCommands.h"
#include "output/PaperLayout.h"
#include "app/RecordBookCommands.h"
#include "app/ViewCommands.h"
#include "app/ScaleOptionCommand.h"
#include "app/Zoom.h"
#include "measure/frmOption.h"

#include <QFileInfo>

#include <cmath>

namespace {

// The sample of the default look sits this far from the canvas's top-left corner, in canvas mm.
constexpr float DefaultSampleOffsetMm = 10.2645f;
// The window leaves 500 twips of the screen's height free (the task bar), 15 twips a pixel.
constexpr double ScreenHeightReservePx = 500.0 / 15.0;

void placeSample(frmMain &form)
{
    placeDefaultSample(form.defaults, form.annotations, form.canvasOriginPx(),
                       QPoint(form.view.hscX.Value, form.view.vscY.Value));
}

} // namespace

frmMain::frmMain(ProcessState &process, platform::Platform &platform, QObject *parent)
    : QObject(parent), process(process), platform(platform)
{
    registerCommands();
}

frmMain::~frmMain() = default;

void frmMain::registerCommands()
{
    setCommand(QStringLiteral("mnuFileEnd"), [this] { mnuFileEnd_Click(); });
    registerViewCommands(*this);
    registerDisplayToggleCommands(*this);
    registerPaperCommands(*this);
    registerOutputCommands(*this);
    registerPrintCheckCommand(*this);
    registerHelpCommands(*this);
    registerToolCommands(*this);
    registerFolderSettingsCommand(*this);
    registerScreenCheckCommand(*this);
    setCommands(measurePopupCommands(measuring));
    setCommands(lengthUnitCommands(measuring));
    setCommands(weightCommands(measuring));
    registerOptionCommands(*this);
    registerEditCommands(*this);
    registerTextAndLeaderCommands(*this);
    registerRecordBookCommands(*this);
    registerUndoCommands(*this);
}

void frmMain::setCommand(const QString &menuItemName, std::function<void()> command)
{
    m_commands[menuItemName] = std::move(command);
}

void frmMain::setCommands(const MenuCommands &commands)
{
    for (const MenuCommand &command : commands)
        setCommand(command.item, command.run);
}

bool frmMain::hasCommand(const QString &menuItemName) const
{
    return m_commands.count(menuItemName) != 0;
}

bool frmMain::runCommand(const QString &menuItemName)
{
    const auto it = m_commands.find(menuItemName);
    if (it == m_commands.end())
        return false;
    if (!changesRecordBook(menuItemName)) {
        it->second();
        return true;
    }
    DocumentChange change(document);
    it->second();
    return true;
}

void frmMain::Form_Load(const StartupEnvironment &environment)
{
    process.WindowsNTFlag = PubF_IsWindowsNT();
    process.executableFolder = environment.executableFolder;
    process.settingsFile = settingsFilePath(environment.executableFolder);
    const FolderSettings folders = LoadFolderSettings(process.settingsFile);
    process.RecordBookFolder = folders.RecordBookFolder;
    process.PictureFolder = folders.PictureFolder;
    process.lengthStyle = LoadLengthStyle(process.settingsFile);
    process.estimateWeightOnKeep = LoadWeightOnKeep(process.settingsFile);
    InitMainWindow(environment);
    InitMenuStates();
    showLengthStyle(measuring);
    showWeightChoice(measuring);
    SetScaleDefaults();
    process.helpFile = helpFilePath(environment.executableFolder);
    // The layout itself runs when the window reports its size (Form_Resize).
}

void frmMain::InitMainWindow(const StartupEnvironment &environment)
{
    windowTitle = QString::fromUtf8(Version::ProductName) + QStringLiteral(" >゜)))彡");
    const QSize screen = environment.screenSize;
    windowGeometry = QRect(0, 0, screen.width(),
                           int(std::lround(screen.height() - ScreenHeightReservePx)));

    for (TextBox &box : txtPict) {
        box.Text.clear();
        box.Visible = false;
    }
    txtPict[0].Left = 8;
    view.vscY.Visible = true;
    view.hscX.Visible = true;
    pictOrg = QImage();
    view.pictMapPx = QSizeF(1122.66, 793.8);

    AnnotationLabel &textTemplate = annotations.lblMoji[0];
    textTemplate.Visible = false;
    setCaption(textTemplate, QStringLiteral("文字列"));

    live.shpPrint.Visible = false;
    for (MarkerShape &marker : live.shpCheck)
        marker.Visible = false;
    for (MarkerShape &mask : live.shpSps)
        mask.Visible = false;
    for (AnnotationLine &line : live.lineHojo)
        line.Visible = false;
    live.lineCheck.Visible = false;
    live.lineHintX.Visible = false;
    live.lineHintY.Visible = false;

    // The paper-size code is still empty here, so the frame comes out as A4.
    subSetPaper(*this, QString());

    AnnotationLabel &sample = defaults.lblDefault;
    sample.Top = DefaultSampleOffsetMm;
    sample.Left = DefaultSampleOffsetMm;
    AnnotationLine &underline = defaults.linDefault;
    underline.X1 = sample.Left;
    underline.Y1 = sample.Top + 4;
    underline.X2 = sample.Left + sample.Width;
    underline.Y2 = underline.Y1;
    underline.Visible = true;
}

void frmMain::InitMenuStates()
{
    for (const char *name :
         {"mnuFileSavePrj", "mnuFileSaveAsPrj", "mnuFileSaveAsImg", "mnuFileExportImg",
          "mnuFileExportCsv"})
        menus[QLatin1String(name)].enabled = false;
    for (const char *name : {"popEdit", "popMes", "popHikidashi", "popMoji"})
        menus[QLatin1String(name)].visible = false;
    menus[QStringLiteral("popEditDpp")].enabled = false;
    for (const char *name : {"popMesLine", "popHkdSenNew", "popMojiNew", "popMesHj15"})
        menus[QLatin1String(name)].checked = true;
    menus[QStringLiteral("popMesPutSen")].checked = false;
    for (const char *name : {"mnuDispEnlarge", "mnuDispAll", "mnuDispOrg"})
        menus[QLatin1String(name)].visible = false;
}

void frmMain::SetScaleDefaults()
{
    view.ZoomFactor = 1.0f;
    view.LayoutZoom = 1.0f;
    resetScaleValues(scale);
    ShowTiltCheck(live.lineCheck, live.shpCheck[0], live.shpCheck[1], scale.GE_sngHosei[0],
                  scale.GE_sngHosei[1], scale.GE_sngHosei[2], scale.GE_sngHosei[3]);
}

QSizeF frmMain::pictOrgSizeMm() const
{
    const QSize pixels = pictOrg.isNull() ? QSize(100, 100) : pictOrg.size();
    return QSizeF(pixels) * MmPerScreenPixel;
}

void frmMain::Form_Resize(WindowState state, QSize outerSize, const WindowMetrics &metrics)
{
    windowState = state;
    windowOuterSize = outerSize;
    windowMetrics = metrics;
    relayout();
}

void frmMain::relayout()
{
    layout = ::Form_Resize(windowState, windowOuterSize, windowMetrics, view.pictMapPx, view.vscY,
                           view.hscX);
    keepScrollValuesInRange();
    placeSample(*this);
}

void frmMain::keepScrollValuesInRange()
{
    if (view.vscY.Value > std::max(0, view.vscY.Max))
        vscY_Change(std::max(0, view.vscY.Max));
    if (view.hscX.Value > std::max(0, view.hscX.Max))
        hscX_Change(std::max(0, view.hscX.Max));
}

QPoint frmMain::canvasOriginPx() const
{
    const auto along = [](int view, double canvas, int scroll) {
        return view > canvas ? int(std::floor((view - canvas) / 2)) : -scroll;
    };
    const QSize shown = layout.pictWindow.size();
    return {along(shown.width(), view.pictMapPx.width(), view.hscX.Value),
            along(shown.height(), view.pictMapPx.height(), view.vscY.Value)};
}

void frmMain::vscY_Change(int value)
{
    view.vscY.Value = value;
    placeSample(*this);
}

void frmMain::hscX_Change(int value)
{
    view.hscX.Value = value;
    placeSample(*this);
}

void frmMain::openHelp()
{
    if (QFileInfo::exists(process.helpFile) && platform.openWithDesktop(process.helpFile))
        return;
    platform.showOk(QStringLiteral("ヘルプファイル"),
                    QStringLiteral("ヘルプファイルを開けません。") + QLatin1Char('\r')
                        + process.helpFile);
}

void frmMain::mnuFileEnd_Click()
{
    if (mayLetChangesGo(*this))
        emit unloadRequested();
}
