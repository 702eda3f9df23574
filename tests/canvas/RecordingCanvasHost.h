// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasHost.h"
#include "canvas/EditForm.h"
#include "player/VelomniForm.h"

#include <QList>

// A studio stand-in for the canvas: a selector index, the tool that is
// down, and a record of every effect and command. Redraws reach the
// canvas as the studio's do.
class RecordingCanvasHost final : public TCanvasHost {
public:
    explicit RecordingCanvasHost(TVelomniForm& menu) : m_menu(menu) {}

    bool CommitPendingEdit() override { return commitSucceeds; }
    int AddToolKind() const override { return addTool; }
    void PressSelectTool() override { addTool = -1; }
    int CurrentEntry() const override { return current; }
    void SetSelectorEntry(int index) override { current = index; }
    void RefreshObjectList() override
    {
        ++refreshes;
        int selected = 0, last = -1;
        const TObjectList& objects = m_menu.ObjectList();
        for (size_t i = 0; i < objects.size(); ++i)
            if (objects[i]->Selected) ++selected, last = int(i);
        current = selected == 0 ? 0 : selected == 1 ? last + 1 : -1;
        for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = int(i) + 1 == current;
    }
    void ListObjectsInSelector() override {}
    void ShowCurrentEntry() override { ++shows; }
    void ApplyEdit(EditEffects effects) override
    {
        applied << effects;
        if ((effects & CanvasRedraw) && canvas) canvas->RedrawCanvas();
    }
    void UpdateEditMenu() override { ++menuUpdates; }
    bool EditCommandEnabled(EditCommand command) const override { return command != EditCommand::Paste; }
    void RunEditCommand(EditCommand command) override { commands << command; }
    void CanvasWindowMoved() override { ++moves; }

    // Whether any edit so far marked the project changed.
    bool Changed() const
    {
        for (EditEffects effects : applied)
            if (effects & ProjectChanged) return true;
        return false;
    }

    TEditForm* canvas = nullptr;
    bool commitSucceeds = true;
    int addTool = -1;
    int current = 0;
    int refreshes = 0;
    int shows = 0;
    int menuUpdates = 0;
    int moves = 0;
    QList<EditEffects> applied;
    QList<EditCommand> commands;

private:
    TVelomniForm& m_menu;
};
