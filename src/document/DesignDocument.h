// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DocumentState.h"
#include "document/GridSettings.h"
#include "model/EditEffects.h"
#include "model/VoAction.h"

#include <QObject>
#include <QRect>
#include <QUndoStack>

#include <memory>
#include <vector>

class TVelomniForm;
struct TProjectSettings;

// The project being designed and the state of its editing: the menu
// window with its objects, the current entry and the selection, the undo
// stack (whose clean state is the saved state), the paste offset and the
// grid. Every change of the project is a named call here that pushes one
// undoable step; `changed` then tells the editing surfaces what to show
// anew. The surfaces hold no editing state of their own.
class TDesignDocument final : public QObject {
    Q_OBJECT
public:
    // The document must not outlive the menu window: undone insertions and
    // done removals keep objects whose controls live on it.
    explicit TDesignDocument(TVelomniForm& menu, QObject* parent = nullptr);
    ~TDesignDocument() override;

    TVelomniForm& Menu() const { return m_menu; }
    TObjectList& Objects() const;
    TProjectSettings& Settings() const;

    // The selector's current entry (see Entries.h) and its object.
    int CurrentEntry() const { return m_current; }
    int CurrentObject() const;
    // Moves the current entry without touching the selection.
    void SetCurrentEntry(int entry);
    // Picks an entry as the selector does: an object becomes the only
    // selected one; the project or none leave nothing selected.
    void PickEntry(int entry);
    // The rule tying the two: when the current object is no longer
    // selected, or the project is current while objects are selected, the
    // topmost selected object becomes current; with nothing selected an
    // object entry gives way to the project. Then the surfaces are told.
    void FollowSelection();
    // The same rule, before a step that will tell the surfaces itself.
    void ApplySelectionRule();
    // The selector's rule after objects were opened, added, deleted or
    // reordered: nothing selected makes the project current, one selected
    // object becomes current, several leave no entry current; then the
    // selection follows the current entry as picking it does.
    void EntryFromSelection();

    // The selection, changed during a gesture without any notification.
    void SetSelected(int index, bool selected);
    void SelectAll();
    std::vector<bool> Selection() const;
    void SetSelection(const std::vector<bool>& flags);
    int SelectedCount() const;
    std::vector<TVoObject*> SelectedObjects() const;

    const TGridSettings& Grid() const { return m_grid; }
    void SetGrid(const TGridSettings& grid);
    int PasteOffset() const { return m_pasteOffset; }
    void SetPasteOffset(int offset) { m_pasteOffset = offset; }

    // Unsaved changes: the undo stack is away from the saved state, or the
    // project was new and never saved.
    bool Modified() const;
    void MarkSaved();
    // A project was opened, created or reset: no steps to undo, the
    // project entry current.
    void Restart(bool modified);
    QUndoStack& UndoStack() { return m_stack; }
    const QUndoStack& UndoStack() const { return m_stack; }
    // "Undo Move", or "Undo" when there is nothing to undo; likewise Redo.
    QString UndoText() const;
    QString RedoText() const;
    void Undo();
    void Redo();

    // The edits. Each pushes one step named for the user.
    // Bounds of objects, from before to after; nudges of the same objects
    // in a row merge into one step.
    void SetBounds(const QString& name, const std::vector<TVoObject*>& objects, const std::vector<QRect>& before,
                   const std::vector<QRect>& after, bool nudge = false);
    // A new object of the kind at a point, made the only selected one.
    TVoObject* AddObject(int kind, QPoint at);
    // Records objects already appended and the selection already set (a
    // paste) as one step from the state before.
    void RecordObjectChange(const QString& name, const TDocumentState& before);
    void RemoveSelected(const QString& name);
    // The current object to the front or back; false when it is there.
    bool MoveCurrentToFront();
    bool MoveCurrentToBack();
    // An action appended to a list, the action at index deleted, or given
    // a new value.
    void AddAction(TVoActions& list, std::unique_ptr<TVoAction> action);
    void DeleteAction(TVoActions& list, int index);
    void EditAction(TVoActions& list, int index, const TVoAction& value);
    // The action at index one place up (towards the first, which runs
    // first) or down; false, with no step, when it is at that end.
    bool MoveAction(TVoActions& list, int index, bool up);
    // Any other step, made by the caller; the document takes it.
    void Push(QUndoCommand* step);

    // The objects, selection and current entry as they are, and back.
    TDocumentState State() const;
    void RestoreState(const TDocumentState& state);

    // Applies the effects of an edit that belong to the menu window and
    // tells the editing surfaces.
    void Notify(EditEffects what);

signals:
    void changed(EditEffects what);
    void modifiedChanged(bool modified);

private:
    void ApplyEntryFromSelection();
    bool MoveCurrent(bool toFront);

    TVelomniForm& m_menu;
    QUndoStack m_stack;
    int m_current = 0;
    bool m_neverSaved = false;
    int m_pasteOffset = 0;
    TGridSettings m_grid;
};
