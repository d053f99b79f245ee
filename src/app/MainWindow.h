// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <map>

class CanvasView;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QtPlatform;
class frmMain;
struct MenuItem;

// The main window as the desktop shows it: a mirror of the model's menus, panel, scroll bars and
// canvas. Every event becomes a call on the model, after which the window copies the model back.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(frmMain &model, QtPlatform &platform);

    // Copies the model's menu states, panel, scroll bars and canvas into the widgets.
    void syncFromModel();
    // Copies only the coordinate panel: what a move of the live measurement changes.
    void syncPanel();

    QMenu *popupMenu(const QString &name) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Closing the window asks first when the record book has unsaved changes.
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void addMenuItems(QMenu *menu, const MenuItem &parent);
    // Copies the menu items' captions and checked, enabled and visible states into the actions.
    void syncActions();
    // The window title marks unsaved changes: "[*]" shows only while there are some.
    void syncModified();
    void runCommand(const QString &name);
    void layOut();
    void scrollBy(Qt::Orientation orientation, int steps);

    frmMain &m_model;
    QtPlatform &m_platform;
    std::map<QString, QAction *> m_actions; // leaf items and the menu actions of submenus
    std::map<QString, QMenu *> m_menus;
    // Toolbar buttons that are enabled with a menu item: undo and redo.
    std::map<QString, QAction *> m_toolbarMirrors;
    QWidget *m_client = nullptr;
    CanvasView *m_pictWindow = nullptr;
    QScrollBar *m_vscY = nullptr;
    QScrollBar *m_hscX = nullptr;
    QLineEdit *m_txtPict[7] = {};
    QLabel *m_zoomReadout = nullptr;
    bool m_syncing = false;
    bool m_quitting = false; // "終了" has settled the unsaved changes already
};
