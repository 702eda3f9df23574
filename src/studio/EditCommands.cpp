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

// The selected objects that have a control, and their bounds.
struct SelectedBounds {
    std::vector<TVoObject*> objects;
    std::vector<QRect> bounds;
};

SelectedBounds SelectedWithBounds(const TDesignDocument& document)
{
    SelectedBounds selected;
    for (TVoObject* entry : document.SelectedObjects()) {
        if (!entry->Control) continue;
        selected.objects.push_back(entry);
        selected.bounds.push_back(entry->Control->Bounds());
    }
    return selected;
}

// Gives the selected objects new bounds as one step; false when none change.
bool SetSelectedBounds(TDesignDocument& document, const QString& name, const SelectedBounds& selected,
                       const std::vector<QRect>& after)
{
    if (selected.bounds == after) return false;
    document.SetBounds(name, selected.objects, selected.bounds, after);
    return true;
}

// Gives each selected object the bounds reshape() tells, as one step.
template <class Reshape>
bool ReshapeSelected(TDesignDocument& document, const QString& name, Reshape reshape)
{
    const SelectedBounds selected = SelectedWithBounds(document);
    std::vector<QRect> after;
    for (size_t i = 0; i < selected.objects.size(); ++i)
        after.push_back(reshape(selected.objects[i], selected.bounds[i]));
    return SetSelectedBounds(document, name, selected, after);
}

// Gives each selected object the position place() tells, as one step.
template <class Place>
bool MoveSelected(TDesignDocument& document, const QString& name, Place place)
{
    return ReshapeSelected(document, name, [&](const TVoObject* entry, const QRect& bounds) {
        return QRect(place(entry, bounds), bounds.size());
    });
}

// The current object when it has a control; null otherwise.
const TVoObject* CurrentWithControl(const TDesignDocument& document)
{
    const int current = document.CurrentObject();
    if (current < 0) return nullptr;
    const TVoObject* entry = document.Objects()[size_t(current)];
    return entry->Control ? entry : nullptr;
}

// Writes the selected objects as one block; false when one failed.
bool WriteSelection(const TDesignDocument& document, TMemoryStream& stream)
{
    stream.WriteI32(document.SelectedCount());
    for (const TVoObject* entry : document.SelectedObjects())
        if (!WriteObjectRecord(stream, *entry)) return false;
    stream.Seek(0);
    return true;
}

// Adds the block's objects, moved by offset, as the new selection in one
// step; false, with the project as it was, when nothing was added.
bool AddObjectBlock(TDesignDocument& document, TMemoryStream& stream, int offset, const QString& name)
{
    TVelomniForm& menu = document.Menu();
    TObjectList& objects = menu.ObjectList();
    const TDocumentState before = document.State();
    for (TVoObject* entry : objects) entry->Selected = false;
    const QSize surface = menu.ScrollBox1()->size();
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
    document.ApplySelectionRule();
    document.RecordObjectChange(name, before);
    return true;
}

} // namespace

std::array<bool, kEditCommandCount> EditCommandStates(const TDesignDocument& document, bool clipboardHasObjects)
{
    const int selected = document.SelectedCount();
    const bool currentIsObject = document.CurrentObject() >= 0;
    std::array<bool, kEditCommandCount> states{};
    auto set = [&](EditCommand command, bool on) { states[size_t(command)] = on; };
    for (EditCommand command :
         {EditCommand::Cut, EditCommand::Copy, EditCommand::Duplicate, EditCommand::Delete, EditCommand::AlignToGrid})
        set(command, selected >= 1);
    set(EditCommand::Paste, clipboardHasObjects);
    for (EditCommand command : {EditCommand::AlignLeft, EditCommand::AlignCenter, EditCommand::AlignRight,
                                EditCommand::AlignTop, EditCommand::AlignMiddle, EditCommand::AlignBottom})
        set(command, selected >= 2);
    for (EditCommand command : {EditCommand::SameWidth, EditCommand::SameHeight, EditCommand::SameSize})
        set(command, selected >= 2 && currentIsObject);
    set(EditCommand::DistributeHorizontally, selected >= 3);
    set(EditCommand::DistributeVertically, selected >= 3);
    set(EditCommand::BringToFront, currentIsObject);
    set(EditCommand::SendToBack, currentIsObject);
    set(EditCommand::Undo, document.UndoStack().canUndo());
    set(EditCommand::Redo, document.UndoStack().canRedo());
    return states;
}

bool CopyObjects(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || document.CurrentEntry() <= kProjectEntry) return false;
    if (document.SelectedCount() == 0) return false;
    TMemoryStream stream;
    if (!WriteSelection(document, stream) || !PutStreamOnClipboard(stream, ClipboardFormat)) return false;
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
    const int offset = document.PasteOffset();
    if (!AddObjectBlock(document, stream, offset, QStringLiteral("Paste"))) return false;
    document.SetPasteOffset(offset + kPasteStep);
    return true;
}

bool DuplicateObjects(TDesignDocument& document, TCanvasHost& host)
{
    if (!host.CommitPendingEdit() || document.SelectedCount() == 0) return false;
    TMemoryStream stream;
    return WriteSelection(document, stream) && AddObjectBlock(document, stream, kPasteStep, QStringLiteral("Duplicate"));
}

void DeleteObjects(TDesignDocument& document)
{
    if (document.CurrentObject() < 0) return;
    document.RemoveSelected(QStringLiteral("Delete"));
}

bool AlignSelection(TDesignDocument& document, int mode)
{
    const TVoObject* reference = CurrentWithControl(document);
    if (!reference) return false;
    const QRect ref = reference->Control->Bounds();
    return MoveSelected(document, QStringLiteral("Align"), [&](const TVoObject* entry, const QRect& bounds) {
        return entry == reference ? bounds.topLeft() : AlignedPosition(ref, bounds, mode);
    });
}

bool DistributeSelection(TDesignDocument& document, Qt::Orientation axis)
{
    const SelectedBounds selected = SelectedWithBounds(document);
    return SetSelectedBounds(document, QStringLiteral("Distribute"), selected,
                             DistributedBounds(selected.bounds, axis));
}

bool MakeSelectionSameSize(TDesignDocument& document, int mode)
{
    const TVoObject* reference = CurrentWithControl(document);
    if (!reference) return false;
    const QSize size = reference->Control->Bounds().size();
    return ReshapeSelected(document, QStringLiteral("Make Same Size"), [&](const TVoObject*, const QRect& bounds) {
        return SameSizeBounds(size, bounds, mode);
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
    case EditCommand::Duplicate: DuplicateObjects(document, host); break;
    case EditCommand::Delete: DeleteObjects(document); break;
    case EditCommand::AlignToGrid: AlignSelectionToGrid(document, host); break;
    case EditCommand::AlignLeft: AlignSelection(document, amLeft); break;
    case EditCommand::AlignCenter: AlignSelection(document, amCenterHorizontal); break;
    case EditCommand::AlignRight: AlignSelection(document, amRight); break;
    case EditCommand::AlignTop: AlignSelection(document, amTop); break;
    case EditCommand::AlignMiddle: AlignSelection(document, amCenterVertical); break;
    case EditCommand::AlignBottom: AlignSelection(document, amBottom); break;
    case EditCommand::DistributeHorizontally: DistributeSelection(document, Qt::Horizontal); break;
    case EditCommand::DistributeVertically: DistributeSelection(document, Qt::Vertical); break;
    case EditCommand::SameWidth: MakeSelectionSameSize(document, smWidth); break;
    case EditCommand::SameHeight: MakeSelectionSameSize(document, smHeight); break;
    case EditCommand::SameSize: MakeSelectionSameSize(document, smBoth); break;
    case EditCommand::BringToFront: document.MoveCurrentToFront(); break;
    case EditCommand::SendToBack: document.MoveCurrentToBack(); break;
    }
}
