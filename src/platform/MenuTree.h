// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <vector>

// One menu item of the main window or of a pop-up menu. Its checked, enabled and visible states
// are the program's modes: commands read them here, and the window's actions only mirror them.
struct MenuItem
{
    QString name;    // "mnuToolMes", "popEditWidth(3)"; separators get "-" + a number
    QString caption; // as shown, with its "&" accelerator
    QString shortcut; // portable text, e.g. "Ctrl+N"; empty when none
    QString alternateShortcut; // a second key for the same item, e.g. "Ctrl+Shift+Z"
    bool separator = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem *> children;
};

// A menu item's command as a subsystem offers it; the main window binds the items it is given.
struct MenuCommand
{
    QString item;
    std::function<void()> run;
};
using MenuCommands = std::vector<MenuCommand>;

class MenuTree
{
public:
    MenuTree();
    MenuTree(const MenuTree &) = delete;
    MenuTree &operator=(const MenuTree &) = delete;

    // The item of that name; asking for a name that does not exist is a programming error.
    MenuItem &operator[](const QString &name);
    const MenuItem &operator[](const QString &name) const;
    const MenuItem *find(const QString &name) const;

    // Menu bar entries and pop-up roots, in the order of the menu bar.
    const std::vector<MenuItem *> &roots() const { return m_roots; }

    // The items of the zoom group under "拡大縮小", at most one of them checked.
    static const std::vector<QString> &zoomGroup();

private:
    MenuItem &add(MenuItem *parent, const QString &name, const QString &caption,
                  const QString &shortcut = {});
    MenuItem &addSeparator(MenuItem *parent);
    void build();

    std::deque<MenuItem> m_items; // stable addresses
    std::map<QString, MenuItem *> m_byName;
    std::vector<MenuItem *> m_roots;
};
