// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPlatform.h"
#include "app/EditCommands.h"
#include "annotations/EditPopup.h"
#include "annotations/EditTarget.h"
#include "app/frmMain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

// The scripted platform, also remembering what the colour and font choosers were opened with.
struct ChooserRecordingPlatform : ScriptedPlatform
{
    std::vector<std::uint32_t> colourStarts;
    std::vector<platform::FontChoice> fontStarts;

    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override
    {
        colourStarts.push_back(initial);
        return ScriptedPlatform::chooseColor(initial);
    }
    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice &initial) override
    {
        fontStarts.push_back(initial);
        return ScriptedPlatform::chooseFont(initial);
    }
};

// A started main form with the edit commands, and helpers that put annotations on it the way
// the gestures keep them. Every object is made recognisable by its seed.
struct EditForm
{
    QTemporaryDir folder;
    ChooserRecordingPlatform platform;
    ProcessState process;
    frmMain form{process, platform};

    EditForm()
    {
        form.Form_Load({folder.path(), QSize(1920, 1080)});
        registerEditCommands(form);
        platform.choosePopupItem = [this](const QString &item) { form.runCommand(item); };
    }

    // Chooses `item` from the edit pop-up opened on (kind, index).
    void choose(const char *kind, int index, const QString &item)
    {
        form.EditTarget = {QLatin1String(kind), index};
        platform.popupChoices.push_back(item);
        showEditPopup(form.editing);
    }

    // A horizontal dimension from (x, y) to (x + length, y) with its line `rise` mm above.
    int keepDimension(int seed, float x = 20, float y = 50, float length = 40, float rise = 10);
    int keepTextLabel(int seed);
    int keepLeaderLine(int seed);
};

testing::AssertionResult inShape(const AnnotationStore &objects);

// The state of everything an edit command may touch.
struct EditSnapshot
{
    AnnotationStore objects;
    StyleDefaults defaults;

    explicit EditSnapshot(const frmMain &form) : objects(form.annotations), defaults(form.defaults)
    {
    }
};

// Reports each element and default that differs.
void expectSameState(const EditSnapshot &expected, const frmMain &actual);
