// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/EditCommands.h"

#include "canvas/CanvasHost.h"
#include "canvas/CanvasInteraction.h"
#include "model/ObjectClipboard.h"
#include "model/ProjectFile.h"
#include "model/StudioState.h"
#include "model/VoStream.h"
#include "player/VelomniForm.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPasteStep = 8;

int SelectedCount(const TObjectList& objects)
{
    return int(std::count_if(objects.begin(), objects.end(), [](const TVoObject* e) { return e && e->Selected; }));
}

// The current entry's object index, or -1 for the project or none.
int CurrentObject(TCanvasInteraction& canvas)
{
    const int current = canvas.Host().CurrentEntry();
    return current >= 1 && current <= int(canvas.Menu().ObjectList().size()) ? current - 1 : -1;
}

std::vector<bool> SelectionOf(const TObjectList& objects)
{
    std::vector<bool> selection;
    for (const TVoObject* entry : objects) selection.push_back(entry->Selected);
    return selection;
}

} // namespace

std::array<bool, kEditCommandCount> EditCommandStates(const TObjectList& objects, int currentEntry,
                                                      bool clipboardHasObjects)
{
    const int selected = SelectedCount(objects);
    const bool currentIsObject = currentEntry >= 1 && currentEntry <= int(objects.size());
    std::array<bool, kEditCommandCount> states{};
    auto set = [&](EditCommand command, bool on) { states[size_t(command)] = on; };
    for (EditCommand command : {EditCommand::Cut, EditCommand::Copy, EditCommand::Delete, EditCommand::AlignToGrid})
        set(command, selected >= 1);
    set(EditCommand::Paste, clipboardHasObjects);
    for (EditCommand command : {EditCommand::AlignLeft, EditCommand::AlignCenter, EditCommand::AlignRight,
                                EditCommand::AlignTop, EditCommand::AlignMiddle, EditCommand::AlignBottom})
        set(command, selected >= 2);
    set(EditCommand::BringToFront, currentIsObject);
    set(EditCommand::SendToBack, currentIsObject);
    return states;
}

bool CopyObjects(TCanvasInteraction& canvas)
{
    if (!canvas.Host().CommitPendingEdit() || canvas.Host().CurrentEntry() < 1) return false;
    const TObjectList& objects = canvas.Menu().ObjectList();
    const int selected = SelectedCount(objects);
    if (selected == 0) return false;
    TMemoryStream stream;
    stream.WriteI32(selected);
    for (const TVoObject* entry : objects)
        if (entry->Selected && !WriteObjectRecord(stream, *entry)) return false;
    stream.Seek(0);
    if (!PutStreamOnClipboard(stream, ClipboardFormat)) return false;
    PasteOffset = kPasteStep;
    return true;
}

void CutObjects(TCanvasInteraction& canvas)
{
    if (!canvas.Host().CommitPendingEdit() || CurrentObject(canvas) < 0) return;
    CopyObjects(canvas);
    DeleteObjects(canvas);
}

bool PasteObjects(TCanvasInteraction& canvas)
{
    TCanvasHost& host = canvas.Host();
    TVelomniForm& menu = canvas.Menu();
    if (!host.CommitPendingEdit() || !ClipboardHasFormat(ClipboardFormat)) return false;
    TMemoryStream stream;
    if (!GetStreamFromClipboard(stream, ClipboardFormat)) return false;
    stream.Seek(0);

    TObjectList& objects = menu.ObjectList();
    const std::vector<bool> selection = SelectionOf(objects);
    for (TVoObject* entry : objects) entry->Selected = false;
    const QSize surface = menu.ScrollBox1()->size();
    int added = 0;
    const bool read = ReadObjectBlock(stream, menu, [&](int index) {
        TVoObject* entry = objects[size_t(index)];
        entry->Selected = true;
        menu.EnsureUniqueName(index);
        QRect bounds = entry->Control->Bounds();
        bounds.moveTopLeft(PastedPosition(bounds, PasteOffset, surface));
        entry->Control->SetBounds(bounds);
    }, added);
    if (!read || added == 0) {
        for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = selection[i];
        return false;
    }
    menu.SortObjectList();
    PasteOffset += kPasteStep;
    host.ApplyEdit(ProjectChanged);
    host.ListObjectsInSelector();
    canvas.SyncCurrentObject();
    host.ApplyEdit(CanvasRedraw);
    return true;
}

void DeleteObjects(TCanvasInteraction& canvas)
{
    if (CurrentObject(canvas) < 0) return;
    TVelomniForm& menu = canvas.Menu();
    for (int i = int(menu.ObjectList().size()) - 1; i >= 0; --i)
        if (menu.ObjectList()[size_t(i)]->Selected) menu.DeleteObject(i);
    canvas.Host().RefreshObjectList();
    canvas.Host().ApplyEdit(ProjectChanged);
}

void BringCurrentToFront(TCanvasInteraction& canvas)
{
    if (!canvas.Menu().BringObjectToFront(CurrentObject(canvas))) return;
    canvas.Host().RefreshObjectList();
    canvas.Host().ApplyEdit(ProjectChanged);
}

void SendCurrentToBack(TCanvasInteraction& canvas)
{
    if (!canvas.Menu().SendObjectToBack(CurrentObject(canvas))) return;
    canvas.Host().RefreshObjectList();
    canvas.Host().ApplyEdit(ProjectChanged);
}

void AlignSelectionToGrid(TCanvasInteraction& canvas)
{
    if (!canvas.Host().CommitPendingEdit() || CurrentObject(canvas) < 0) return;
    bool moved = false;
    for (TVoObject* entry : canvas.Menu().ObjectList())
        if (entry->Selected && canvas.SnapObjectToGrid(*entry)) moved = true;
    if (moved) canvas.Host().ApplyEdit(ProjectChanged | CanvasRedraw);
}

void RunEditCommand(TCanvasInteraction& canvas, EditCommand command)
{
    switch (command) {
    case EditCommand::Cut: CutObjects(canvas); break;
    case EditCommand::Copy: CopyObjects(canvas); break;
    case EditCommand::Paste: PasteObjects(canvas); break;
    case EditCommand::Delete: DeleteObjects(canvas); break;
    case EditCommand::AlignToGrid: AlignSelectionToGrid(canvas); break;
    case EditCommand::AlignLeft: canvas.AlignSelection(amLeft); break;
    case EditCommand::AlignCenter: canvas.AlignSelection(amCenterHorizontal); break;
    case EditCommand::AlignRight: canvas.AlignSelection(amRight); break;
    case EditCommand::AlignTop: canvas.AlignSelection(amTop); break;
    case EditCommand::AlignMiddle: canvas.AlignSelection(amCenterVertical); break;
    case EditCommand::AlignBottom: canvas.AlignSelection(amBottom); break;
    case EditCommand::BringToFront: BringCurrentToFront(canvas); break;
    case EditCommand::SendToBack: SendCurrentToBack(canvas); break;
    }
}
