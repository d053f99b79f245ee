// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "app/Toolbar.h"
#include "app/ToolbarIcons.h"
#include "app/UnsavedChanges.h"
#include "app/frmMain.h"
#include "measure/PointerEvents.h"
#include "app/QtPlatform.h"
#include "app/CanvasView.h"
#include "measure/OptionDialogWidget.h"
#include "app/Zoom.h"
#include "measure/frmOption.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

namespace {

// The panel's text boxes sit in the strip above the view, under the toolbar.
constexpr int ToolbarHeight = 24;
constexpr int ToolbarButtonWidth = 28;
constexpr int PanelTop = 24;
constexpr int PanelHeight = 20;

WindowState layoutState(const QWidget &window)
{
    if (window.isMinimized())
        return WindowState::Minimized;
    if (window.isMaximized() || window.isFullScreen())
        return WindowState::Maximized;
    return WindowState::Normal;
}

} // namespace

MainWindow::MainWindow(frmMain &model, QtPlatform &platform)
    : m_model(model), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setMinimumSize(MinimumWindowSize);

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_pictWindow = new CanvasView(model, m_client);
    m_vscY = new QScrollBar(Qt::Vertical, m_client);
    m_vscY->setObjectName(QStringLiteral("vscY"));
    m_hscX = new QScrollBar(Qt::Horizontal, m_client);
    m_hscX->setObjectName(QStringLiteral("hscX"));
    for (int i = 0; i < 7; ++i) {
        m_txtPict[i] = new QLineEdit(m_client);
        m_txtPict[i]->setObjectName(QStringLiteral("txtPict(%1)").arg(i));
        m_txtPict[i]->setReadOnly(true);
    }

    connect(m_vscY, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_model.vscY_Change(value);
        m_pictWindow->sceneChanged();
    });
    connect(m_hscX, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_syncing)
            return;
        m_model.hscX_Change(value);
        m_pictWindow->sceneChanged();
    });
    connect(m_pictWindow, &CanvasView::wheelScrolled, this, &MainWindow::scrollBy);
    connect(m_pictWindow, &CanvasView::modelChanged, this, &MainWindow::syncFromModel);
    connect(m_pictWindow, &CanvasView::liveChanged, this, &MainWindow::syncPanel);
    connect(&m_model, &frmMain::unloadRequested, this, [this] { m_quitting = true; });
    connect(&m_model, &frmMain::unloadRequested, qApp, &QApplication::quit,
            Qt::QueuedConnection);

    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { m_model.openHelp(); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        cancelDrawing(m_model.measuring);
        syncFromModel();
    });

    m_platform.setPopupMenuOpener([this](const QString &name) {
        QMenu *menu = popupMenu(name);
        if (!menu)
            return;
        // The press that opens it has just set the items for the object under the pointer.
        syncActions();
        menu->exec(QCursor::pos());
    });

    m_platform.setOptionDialogHost([this](frmOption *dialog) {
        hostOptionDialog(this, dialog);
        // OK and the title bar close the dialog outside any menu command.
        if (dialog) {
            connect(dialog, &frmOption::unloaded, this, &MainWindow::syncFromModel);
            // "設定" is a change of the record book: undo and the title follow it.
            connect(dialog, &frmOption::changed, this, [this] {
                syncActions();
                syncModified();
            });
        }
    });

    // Space is no modifier on Linux: watch its presses wherever the focus is.
    qApp->installEventFilter(this);

    buildMenus();
    buildToolbar();
    m_pictWindow->setFocus();
    move(m_model.windowGeometry.topLeft());
    resize(m_model.windowGeometry.size());
    syncFromModel();
}

void MainWindow::buildMenus()
{
    for (const MenuItem *root : m_model.menus.roots()) {
        auto *menu = new QMenu(root->caption, this);
        menu->setObjectName(root->name);
        m_menus[root->name] = menu;
        m_actions[root->name] = menu->menuAction();
        // Pop-up roots never sit in the menu bar; the canvas opens them at the pointer, a
        // window named by their caption ("p測定").
        if (!root->name.startsWith(QLatin1String("pop")))
            menuBar()->addMenu(menu);
        else
            menu->setWindowTitle(root->caption);
        addMenuItems(menu, *root);
    }
}

void MainWindow::addMenuItems(QMenu *menu, const MenuItem &parent)
{
    for (const MenuItem *item : parent.children) {
        if (item->separator) {
            m_actions[item->name] = menu->addSeparator();
            continue;
        }
        if (!item->children.empty()) {
            QMenu *submenu = menu->addMenu(item->caption);
            submenu->setObjectName(item->name);
            m_menus[item->name] = submenu;
            m_actions[item->name] = submenu->menuAction();
            addMenuItems(submenu, *item);
            continue;
        }
        QAction *action = menu->addAction(item->caption);
        action->setObjectName(item->name);
        QList<QKeySequence> shortcuts;
        for (const QString &keys : {item->shortcut, item->alternateShortcut}) {
            if (!keys.isEmpty())
                shortcuts << QKeySequence(keys);
        }
        action->setShortcuts(shortcuts);
        const QString name = item->name;
        connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
        m_actions[item->name] = action;
    }
}

void MainWindow::buildToolbar()
{
    auto *toolbar = new QToolBar(m_client);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(16, 16));
    const int toolbarWidth = int(toolbarButtons().size()) * ToolbarButtonWidth;
    toolbar->setGeometry(0, 0, toolbarWidth, ToolbarHeight);
    for (const ToolbarButton &button : toolbarButtons()) {
        QAction *action = toolbar->addAction(toolbarIcon(button.key), button.toolTip);
        action->setObjectName(QStringLiteral("Toolbar1_") + button.key);
        action->setToolTip(button.toolTip);
        const QString key = button.key;
        if (key == QLatin1String("undo") || key == QLatin1String("redo"))
            m_toolbarMirrors[key == QLatin1String("undo") ? QStringLiteral("mnuEditUndo")
                                                          : QStringLiteral("mnuEditRedo")] = action;
        connect(action, &QAction::triggered, this, [this, key] {
            Toolbar1_ButtonClick(m_model, key);
            syncFromModel();
        });
    }
    // The zoom readout sits in the strip right after the buttons that change the zoom.
    m_zoomReadout = new QLabel(m_client);
    m_zoomReadout->setObjectName(QStringLiteral("lblZoom"));
    m_zoomReadout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_zoomReadout->setAlignment(Qt::AlignCenter);
    m_zoomReadout->setToolTip(QStringLiteral("表示倍率"));
    m_zoomReadout->setGeometry(toolbarWidth + 8, 2, 110, PanelHeight);
}

QMenu *MainWindow::popupMenu(const QString &name) const
{
    const auto it = m_menus.find(name);
    return it == m_menus.end() ? nullptr : it->second;
}

void MainWindow::runCommand(const QString &name)
{
    m_model.runCommand(name);
    syncFromModel();
}

void MainWindow::syncFromModel()
{
    m_syncing = true;
    syncActions();
    syncModified();
    syncPanel();
    m_zoomReadout->setText(zoomReadout(m_model));
    layOut();
    m_syncing = false;
    m_pictWindow->sceneChanged();
}

void MainWindow::syncActions()
{
    for (const auto &[name, action] : m_actions) {
        const MenuItem &item = m_model.menus[name];
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
        if (item.separator)
            continue;
        action->setText(item.caption);
        // Only a checked item shows a box, as the menus of the original design do.
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    for (const auto &[name, action] : m_toolbarMirrors)
        action->setEnabled(m_model.menus[name].enabled);
}

void MainWindow::syncModified()
{
    const bool modified = m_model.document.isModified();
    setWindowTitle(modified ? m_model.windowTitle + QStringLiteral("[*]") : m_model.windowTitle);
    setWindowModified(modified);
}

void MainWindow::syncPanel()
{
    for (int i = 0; i < 7; ++i) {
        const TextBox &box = m_model.txtPict[i];
        m_txtPict[i]->setText(box.Text);
        m_txtPict[i]->setToolTip(box.ToolTipText);
        m_txtPict[i]->setGeometry(box.Left, PanelTop, box.Width, PanelHeight);
        m_txtPict[i]->setVisible(box.Visible);
    }
}

void MainWindow::layOut()
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    WindowMetrics metrics;
    metrics.verticalScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    metrics.verticalScrollArrowHeight = metrics.verticalScrollBarWidth;
    metrics.sizingFrameWidth = (frame.width() - inner.width()) / 2;
    metrics.sizingFrameHeight = frame.bottom() - inner.bottom();
    metrics.captionHeight = inner.top() - frame.top() - metrics.sizingFrameHeight;
    metrics.menuBarHeight = menuBar()->isVisible() ? menuBar()->height() : 0;
    m_model.Form_Resize(layoutState(*this), frame.size(), metrics);
    if (!m_model.layout.laidOut)
        return;

    const bool wasSyncing = m_syncing;
    m_syncing = true;
    const QRect view = m_model.layout.pictWindow;
    m_pictWindow->setGeometry(view.x(), view.y(), std::max(0, view.width()),
                              std::max(0, view.height()));
    const std::pair<QScrollBar *, const ScrollBarState *> bars[] = {{m_vscY, &m_model.view.vscY},
                                                                     {m_hscX, &m_model.view.hscX}};
    for (const auto &[bar, state] : bars) {
        bar->setGeometry(state->geometry);
        bar->setRange(0, std::max(0, state->Max));
        bar->setSingleStep(state->SmallChange);
        bar->setPageStep(state->LargeChange);
        bar->setValue(state->Value);
        bar->setVisible(state->Visible);
    }
    m_syncing = wasSyncing;
}

void MainWindow::scrollBy(Qt::Orientation orientation, int steps)
{
    QScrollBar *bar = orientation == Qt::Vertical ? m_vscY : m_hscX;
    if (bar->isVisible())
        bar->setValue(bar->value() + steps * bar->singleStep());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_quitting || mayLetChangesGo(m_model)) {
        m_quitting = true;
        event->accept();
        return;
    }
    event->ignore();
    syncFromModel(); // a save may have run before it failed or was cancelled
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        layOut();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (press || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            m_platform.setSpaceDown(press);
    }
    return QMainWindow::eventFilter(watched, event);
}
