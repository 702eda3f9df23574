// SPDX-License-Identifier: GPL-2.0-or-later
#include "document/DesignDocument.h"

#include "document/ActionListCommand.h"
#include "document/BoundsCommand.h"
#include "document/Entries.h"
#include "document/ObjectListCommand.h"
#include "controls/ControlFactory.h"
#include "player/VelomniForm.h"

#include <QWidget>

#include <algorithm>
#include <unordered_set>

TDesignDocument::TDesignDocument(TVelomniForm& menu, QObject* parent) : QObject(parent), m_menu(menu)
{
    connect(&m_stack, &QUndoStack::cleanChanged, this, [this] { emit modifiedChanged(Modified()); });
}

// The steps go first: those holding objects free them while the menu
// window still parents their controls. Nobody is told: the windows that
// listen are going as well.
TDesignDocument::~TDesignDocument()
{
    m_stack.blockSignals(true);
    m_stack.clear();
}

TObjectList& TDesignDocument::Objects() const
{
    return m_menu.ObjectList();
}

TProjectSettings& TDesignDocument::Settings() const
{
    return m_menu.Settings();
}

int TDesignDocument::CurrentObject() const
{
    return ObjectOfEntry(m_current, Objects());
}

void TDesignDocument::SetCurrentEntry(int entry)
{
    m_current = entry;
    Notify(EntryChange | CanvasRedraw);
}

void TDesignDocument::PickEntry(int entry)
{
    const TObjectList& objects = Objects();
    m_current = entry;
    const int picked = ObjectOfEntry(entry, objects);
    for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = int(i) == picked;
    Notify(EntryChange | CanvasRedraw);
}

void TDesignDocument::ApplySelectionRule()
{
    const TObjectList& objects = Objects();
    const int count = int(objects.size());
    const int current = ObjectOfEntry(m_current, objects);
    const bool showsObject = m_current > kProjectEntry;
    const bool lost = showsObject && (current < 0 || !objects[size_t(current)]->Selected);
    int topmost = -1;
    for (int i = count - 1; i >= 0 && topmost < 0; --i)
        if (objects[size_t(i)]->Selected) topmost = i;
    if (topmost < 0) {
        if (showsObject) m_current = kProjectEntry;
    } else if (lost || m_current == kProjectEntry) {
        m_current = EntryOfObject(topmost);
    }
}

void TDesignDocument::ApplyEntryFromSelection()
{
    const TObjectList& objects = Objects();
    int selected = 0;
    int last = -1;
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i]->Selected) {
            ++selected;
            last = int(i);
        }
    }
    m_current = selected == 0 ? kProjectEntry : selected == 1 ? EntryOfObject(last) : kNoEntry;
    const int current = ObjectOfEntry(m_current, objects);
    for (size_t i = 0; i < objects.size(); ++i) objects[i]->Selected = int(i) == current;
}

void TDesignDocument::EntryFromSelection()
{
    ApplyEntryFromSelection();
    Notify(EntryChange | CanvasRedraw);
}

void TDesignDocument::FollowSelection()
{
    ApplySelectionRule();
    Notify(EntryChange | CanvasRedraw);
}

void TDesignDocument::SetSelected(int index, bool selected)
{
    Objects()[size_t(index)]->Selected = selected;
}

void TDesignDocument::SelectAll()
{
    for (TVoObject* entry : Objects()) entry->Selected = true;
}

std::vector<bool> TDesignDocument::Selection() const
{
    std::vector<bool> flags;
    for (const TVoObject* entry : Objects()) flags.push_back(entry->Selected);
    return flags;
}

void TDesignDocument::SetSelection(const std::vector<bool>& flags)
{
    const TObjectList& objects = Objects();
    for (size_t i = 0; i < objects.size() && i < flags.size(); ++i) objects[i]->Selected = flags[i];
}

int TDesignDocument::SelectedCount() const
{
    const TObjectList& objects = Objects();
    return int(std::count_if(objects.begin(), objects.end(), [](const TVoObject* e) { return e->Selected; }));
}

std::vector<TVoObject*> TDesignDocument::SelectedObjects() const
{
    std::vector<TVoObject*> selected;
    for (TVoObject* entry : Objects())
        if (entry->Selected) selected.push_back(entry);
    return selected;
}

void TDesignDocument::SetGrid(const TGridSettings& grid)
{
    m_grid = grid;
    m_menu.SetGridDisplay({grid.Display, grid.X, grid.Y});
    Notify(CanvasRedraw);
}

bool TDesignDocument::Modified() const
{
    return m_neverSaved || !m_stack.isClean();
}

void TDesignDocument::MarkSaved()
{
    const bool was = Modified();
    m_neverSaved = false;
    m_stack.setClean();
    if (was) emit modifiedChanged(false);
}

void TDesignDocument::Restart(bool modified)
{
    m_stack.clear();
    m_neverSaved = modified;
    m_current = kProjectEntry;
    emit modifiedChanged(Modified());
}

QString TDesignDocument::UndoText() const
{
    return m_stack.canUndo() ? tr("Undo %1").arg(m_stack.undoText()) : tr("Undo");
}

QString TDesignDocument::RedoText() const
{
    return m_stack.canRedo() ? tr("Redo %1").arg(m_stack.redoText()) : tr("Redo");
}

void TDesignDocument::Undo()
{
    m_stack.undo();
}

void TDesignDocument::Redo()
{
    m_stack.redo();
}

void TDesignDocument::Push(QUndoCommand* step)
{
    m_stack.push(step);
}

void TDesignDocument::SetBounds(const QString& name, const std::vector<TVoObject*>& objects,
                                const std::vector<QRect>& before, const std::vector<QRect>& after, bool nudge)
{
    if (objects.empty() || before == after) return;
    Push(new TBoundsCommand(*this, name, objects, before, after, nudge));
}

TDocumentState TDesignDocument::State() const
{
    return {Objects(), SelectedObjects(), m_current};
}

void TDesignDocument::RestoreState(const TDocumentState& state)
{
    const TObjectList& objects = Objects();
    const std::unordered_set<TVoObject*> was(objects.begin(), objects.end());
    const std::unordered_set<TVoObject*> will(state.Objects.begin(), state.Objects.end());
    // Objects out of the list keep their controls, out of sight.
    for (TVoObject* entry : objects)
        if (!will.count(entry))
            if (QWidget* widget = ControlWidget(entry->Control.get())) widget->hide();
    for (TVoObject* entry : state.Objects)
        if (!was.count(entry))
            if (QWidget* widget = ControlWidget(entry->Control.get())) widget->show();
    m_menu.SetObjectList(state.Objects);
    const std::unordered_set<TVoObject*> selected(state.Selected.begin(), state.Selected.end());
    for (TVoObject* entry : state.Objects) entry->Selected = selected.count(entry) > 0;
    m_current = state.CurrentEntry;
}

TVoObject* TDesignDocument::AddObject(int kind, QPoint at)
{
    static const char* const kAddNames[] = {"Add Button", "Add Image",    "Add Text",
                                            "Add TextBox", "Add RichText", "Add Explorer"};
    if (kind < 0 || kind >= int(std::size(kAddNames))) return nullptr;
    const TDocumentState before = State();
    TVoObject* entry = m_menu.AddObject(kind, at.x(), at.y());
    if (!entry) return nullptr;
    m_menu.SortObjectList();
    ApplyEntryFromSelection();
    RecordObjectChange(tr(kAddNames[kind]), before);
    return entry;
}

void TDesignDocument::RecordObjectChange(const QString& name, const TDocumentState& before)
{
    Push(new TObjectListCommand(*this, name, before, State()));
}

void TDesignDocument::RemoveSelected(const QString& name)
{
    TDocumentState after;
    for (TVoObject* entry : Objects())
        if (!entry->Selected) after.Objects.push_back(entry);
    if (after.Objects.size() == Objects().size()) return;
    after.CurrentEntry = kProjectEntry;
    Push(new TObjectListCommand(*this, name, State(), std::move(after)));
}

bool TDesignDocument::MoveCurrentToFront()
{
    return MoveCurrent(true);
}

bool TDesignDocument::MoveCurrentToBack()
{
    return MoveCurrent(false);
}

bool TDesignDocument::MoveCurrent(bool toFront)
{
    const int index = CurrentObject();
    if (index < 0) return false;
    const TDocumentState before = State();
    if (!(toFront ? m_menu.BringObjectToFront(index) : m_menu.SendObjectToBack(index))) return false;
    ApplyEntryFromSelection();
    RecordObjectChange(toFront ? tr("Bring to Front") : tr("Send to Back"), before);
    return true;
}

void TDesignDocument::AddAction(TVoActions& list, std::unique_ptr<TVoAction> action)
{
    Push(new TActionListCommand(*this, tr("Add Action"), list, int(list.size()), TActionListCommand::Change::Insert,
                                std::move(action)));
}

void TDesignDocument::DeleteAction(TVoActions& list, int index)
{
    Push(new TActionListCommand(*this, tr("Delete Action"), list, index, TActionListCommand::Change::Remove, {}));
}

void TDesignDocument::EditAction(TVoActions& list, int index, const TVoAction& value)
{
    Push(new TActionListCommand(*this, tr("Edit Action"), list, index, TActionListCommand::Change::Edit,
                                std::make_unique<TVoAction>(value)));
}

bool TDesignDocument::MoveAction(TVoActions& list, int index, bool up)
{
    const int first = up ? index - 1 : index;
    if (index < 0 || index >= int(list.size()) || first < 0 || first + 1 >= int(list.size())) return false;
    Push(new TActionListCommand(*this, up ? tr("Move Action Up") : tr("Move Action Down"), list, first,
                                TActionListCommand::Change::SwapWithNext, {}));
    return true;
}

void TDesignDocument::Notify(EditEffects what)
{
    if (what & BackgroundRedraw) m_menu.RedrawBackground();
    emit changed(what);
}
