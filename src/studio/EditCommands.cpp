// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/EditCommands.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasHost.h"
#include "document/DesignDocument.h"
#include "document/Entries.h"
#include "model/ObjectClipboard.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"
#include "player/VelomniForm.h"

#include <vector>

namespace {

constexpr int kPasteStep = 8;

// Gives each selected object the position place() tells, as one step.
template <class Place>
bool MoveSelected(TDesignDocument& document, const QString& name, Place place)
{
    std::vector<TVoObject*> objects;
    std::vector<QRect> before, after;
    for (TVoObject* entry : document.SelectedObjects()) {
        if (!entry->Control) continue;
        const QRect bounds = entry->Control->Bounds();
        objects.push_back(entry);
        before.push_back(bounds);
        after.push_back(QRect(place(entry, bounds), bounds.size()));
    }
    if (before == after) return false;
    document.SetBounds(name, objects, before, after);
    return true;
}

} // namespace

std::array<bool, kEditCommandCount> EditCommandStates(const TDesignDocument& document, bool clipboardHasObjects)
{
    const int selected = document.SelectedCount();
    const bool currentIsObject = document.CurrentObject() >= 0;
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
    set(EditCommand::Undo, document.UndoStack().canUndo());
    set(EditCommand::Redo, document.UndoStack().canRedo());
    return states;
}

bool CopyObjects(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || document.CurrentEntry() <= kProjectEntry) return false;
    const int selected = document.SelectedCount();
    if (selected == 0) return false;
    TMemoryStream stream;
    stream.WriteI32(selected);
    for (const TVoObject* entry : document.SelectedObjects())
        if (!WriteObjectRecord(stream, *entry)) return false;
    stream.Seek(0);
    if (!PutStreamOnClipboard(stream, ClipboardFormat)) return false;
    document.SetPasteOffset(kPasteStep);
    return true;
}

void CutObjects(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || document.CurrentObject() < 0) return;
    CopyObjects(document, host);
    document.RemoveSelected(QStringLiteral("Cut"));
}

bool PasteObjects(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || !ClipboardHasFormat(ClipboardFormat)) return false;
    TMemoryStream stream;
    if (!GetStreamFromClipboard(stream, ClipboardFormat)) return false;
    stream.Seek(0);

    TVelomniForm& menu = document.Menu();
    TObjectList& objects = menu.ObjectList();
    const TDocumentState before = document.State();
    for (TVoObject* entry : objects) entry->Selected = false;
    const QSize surface = menu.ScrollBox1()->size();
    const int offset = document.PasteOffset();
    int added = 0;
    const bool read = ReadObjectBlock(stream, menu, [&](int index) {
        TVoObject* entry = objects[size_t(index)];
        entry->Selected = true;
        menu.EnsureUniqueName(index);
        QRect bounds = entry->Control->Bounds();
        bounds.moveTopLeft(PastedPosition(bounds, offset, surface));
        entry->Control->SetBounds(bounds);
    }, added);
    if (!read || added == 0) {
        document.RestoreState(before);
        return false;
    }
    menu.SortObjectList();
    document.SetPasteOffset(offset + kPasteStep);
    document.ApplySelectionRule();
    document.RecordObjectChange(QStringLiteral("Paste"), before);
    return true;
}

void DeleteObjects(TDesignDocument& document)
{
    if (document.CurrentObject() < 0) return;
    document.RemoveSelected(QStringLiteral("Delete"));
}

bool AlignSelection(TDesignDocument& document, int mode)
{
    const int current = document.CurrentObject();
    if (current < 0) return false;
    const TVoObject* reference = document.Objects()[size_t(current)];
    if (!reference->Control) return false;
    const QRect ref = reference->Control->Bounds();
    return MoveSelected(document, QStringLiteral("Align"), [&](const TVoObject* entry, const QRect& bounds) {
        return entry == reference ? bounds.topLeft() : AlignedPosition(ref, bounds, mode);
    });
}

void AlignSelectionToGrid(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || document.CurrentObject() < 0) return;
    const TGridSettings& grid = document.Grid();
    MoveSelected(document, QStringLiteral("Align to Grid"), [&](const TVoObject*, const QRect& bounds) {
        return SnapPointToGrid(bounds.topLeft(), grid.X, grid.Y);
    });
}

void RunEditCommand(TDesignDocument& document, TCanvasHost& host, EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        if (host.CommitPendingEdit()) document.Undo();
        break;
    case EditCommand::Redo:
        if (host.CommitPendingEdit()) document.Redo();
        break;
    case EditCommand::Cut: CutObjects(document, host); break;
    case EditCommand::Copy: CopyObjects(document, host); break;
    case EditCommand::Paste: PasteObjects(document, host); break;
    case EditCommand::Delete: DeleteObjects(document); break;
    case EditCommand::AlignToGrid: AlignSelectionToGrid(document, host); break;
    case EditCommand::AlignLeft: AlignSelection(document, amLeft); break;
    case EditCommand::AlignCenter: AlignSelection(document, amCenterHorizontal); break;
    case EditCommand::AlignRight: AlignSelection(document, amRight); break;
    case EditCommand::AlignTop: AlignSelection(document, amTop); break;
    case EditCommand::AlignMiddle: AlignSelection(document, amCenterVertical); break;
    case EditCommand::AlignBottom: AlignSelection(document, amBottom); break;
    case EditCommand::BringToFront: document.MoveCurrentToFront(); break;
    case EditCommand::SendToBack: document.MoveCurrentToBack(); break;
    }
}
