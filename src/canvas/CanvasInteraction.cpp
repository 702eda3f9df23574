// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/CanvasInteraction.h"

#include "canvas/CanvasHost.h"
#include "document/DesignDocument.h"
#include "document/Entries.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"

namespace {

QRect BoundsOf(const TVoObject* entry)
{
    return entry && entry->Control ? entry->Control->Bounds() : QRect();
}

QRect UnitedBounds(const std::vector<QRect>& bounds)
{
    QRect united;
    for (const QRect& r : bounds) united = united.isNull() ? r : united.united(r);
    return united;
}

int HitTest(QPoint point, const TVoObject* entry)
{
    if (!entry || !entry->Control) return hcNone;
    return HitTestObject(point.x(), point.y(), entry->Control->Bounds(), entry->Selected);
}

} // namespace

TCanvasInteraction::TCanvasInteraction(TCanvasHost& host, TDesignDocument& document)
    : m_host(host), m_document(document)
{
}

TVelomniForm& TCanvasInteraction::Menu() const
{
    return m_document.Menu();
}

QSize TCanvasInteraction::ClientSize() const
{
    return Menu().ScrollBox1()->size();
}

void TCanvasInteraction::Reset()
{
    m_state = DragState::Idle;
    m_moved = false;
    m_band = QRect();
    m_guides.clear();
}

void TCanvasInteraction::Press(Qt::MouseButton button, bool ctrl, QPoint point)
{
    if (!m_host.CommitPendingEdit()) return;
    if (PlaceNewObject(button, point)) return;
    m_moved = false;
    m_selectionBefore = m_document.Selection();
    m_entryBefore = m_document.CurrentEntry();
    m_state = DragState::Band;
    if (!ctrl) StartTransformOrPick(point);
    if (m_state == DragState::Pick) KeepOnlyPicked(point);
    if (m_state == DragState::Transform) RememberBounds();
    m_pressPoint = point;
    m_document.Notify(CanvasRedraw);
}

bool TCanvasInteraction::PlaceNewObject(Qt::MouseButton button, QPoint point)
{
    if (button != Qt::LeftButton) return false;
    const int kind = m_host.AddToolKind();
    if (kind < 0) return false;
    const TGridSettings& grid = m_document.Grid();
    const QPoint at = grid.Snap ? SnapPointToGrid(point, grid.X, grid.Y) : point;
    m_host.PressSelectTool();
    if (m_document.AddObject(kind, at)) m_skipNextRelease = true;
    return true;
}

// Handles of selected objects first, topmost first; then any body under
// the point. A selected body starts a move of the whole selection, an
// unselected one is picked.
void TCanvasInteraction::StartTransformOrPick(QPoint point)
{
    const TObjectList& objects = m_document.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!(*it)->Selected) continue;
        const int code = HitTest(point, *it);
        if (code > hcBody) {
            m_hitCode = code;
            m_lastPoint = point;
            m_state = DragState::Transform;
            return;
        }
    }
    m_hitCode = hcNone;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        m_hitCode = HitTest(point, *it);
        if (m_hitCode < hcBody) continue;
        m_lastPoint = point;
        if ((*it)->Selected) {
            m_state = DragState::Transform;
            m_hitCode = hcBody;
        } else {
            (*it)->Selected = true;
            m_state = DragState::Pick;
        }
        return;
    }
}

// A click on an unselected object makes it the only selected object and
// starts moving it.
void TCanvasInteraction::KeepOnlyPicked(QPoint point)
{
    bool found = false;
    const TObjectList& objects = m_document.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        const bool under = !found && HitTest(point, *it) >= hcBody;
        (*it)->Selected = under;
        found = found || under;
    }
    m_state = DragState::Transform;
    m_hitCode = hcBody;
}

// The selection as it is at the press, and the lines of everything else
// for the smart guides, sorted once for the whole drag.
void TCanvasInteraction::RememberBounds()
{
    m_dragged.clear();
    m_boundsBefore.clear();
    m_guides.clear();
    m_guidesOn = true;
    std::vector<QRect> others;
    for (TVoObject* entry : m_document.Objects()) {
        if (!entry->Control) continue;
        if (!entry->Selected) {
            others.push_back(entry->Control->Bounds());
            continue;
        }
        m_dragged.push_back(entry);
        m_boundsBefore.push_back(entry->Control->Bounds());
    }
    m_freeBounds = m_boundsBefore;
    m_candidates = GuideCandidates(others, ClientSize());
}

void TCanvasInteraction::Move(QPoint point, bool guides)
{
    switch (m_state) {
    case DragState::Transform: StepTransform(point, guides); break;
    case DragState::Band:
        m_moved = true;
        m_band = NormalisedBand(m_pressPoint, point);
        break;
    case DragState::Idle: UpdateCursor(point); break;
    case DragState::Pick: break;
    }
}

// The selection follows the mouse as the grid allows; the edit is made
// once, at the release. Switching the guides on or off shows the
// selection anew even when the mouse made no step.
void TCanvasInteraction::StepTransform(QPoint point, bool guides)
{
    const TGridSettings& grid = m_document.Grid();
    const DragStep step =
        SnapDragStep(point.x() - m_lastPoint.x(), point.y() - m_lastPoint.y(), grid.Snap, grid.X, grid.Y);
    const bool switched = guides != m_guidesOn;
    m_guidesOn = guides;
    if (!step.take && !(switched && m_moved)) return;
    if (step.take) {
        m_moved = true;
        const QSize client = ClientSize();
        for (QRect& bounds : m_freeBounds)
            bounds = TransformBounds(bounds, m_hitCode, step.dx, step.dy, client, grid.X, grid.Y);
        m_lastPoint += QPoint(step.dx, step.dy);
    }
    ShowTransform();
}

std::vector<QRect> TCanvasInteraction::TransformedBounds(int dx, int dy, QSize client) const
{
    const TGridSettings& grid = m_document.Grid();
    std::vector<QRect> result;
    result.reserve(m_freeBounds.size());
    for (const QRect& bounds : m_freeBounds)
        result.push_back(TransformBounds(bounds, m_hitCode, dx, dy, client, grid.X, grid.Y));
    return result;
}

// The controls take the free bounds pulled onto the nearest guides. The
// selection is snapped as one rectangle; an axis on which the clamps or
// the minimum size keep it off the guide does not snap.
void TCanvasInteraction::ShowTransform()
{
    m_guides.clear();
    std::vector<QRect> shown = m_freeBounds;
    unsigned features = m_guidesOn ? GuideFeaturesOf(m_hitCode) : 0u;
    const QSize client = ClientSize();
    const QRect free = UnitedBounds(m_freeBounds);
    while (features != 0) {
        const GuideSnap snap = m_candidates.Snap(free, features);
        std::vector<QRect> snapped = TransformedBounds(snap.dx, snap.dy, client);
        const QRect box = UnitedBounds(snapped);
        unsigned missed = 0;
        if (box.left() != snap.snapped.left() || box.width() != snap.snapped.width()) missed |= gfAllX;
        if (box.top() != snap.snapped.top() || box.height() != snap.snapped.height()) missed |= gfAllY;
        if (missed == 0) {
            shown = std::move(snapped);
            m_guides = snap.lines;
            break;
        }
        const unsigned kept = features & ~missed;
        if (kept == features) break;
        features = kept;
    }
    for (size_t i = 0; i < m_dragged.size(); ++i) m_dragged[i]->Control->SetBounds(shown[i]);
    m_document.Notify(CanvasRedraw);
}

void TCanvasInteraction::FinishTransform()
{
    if (!m_moved) return;
    std::vector<QRect> after;
    for (const TVoObject* entry : m_dragged) after.push_back(entry->Control->Bounds());
    m_document.SetBounds(m_hitCode == hcBody ? QStringLiteral("Move") : QStringLiteral("Resize"), m_dragged,
                         m_boundsBefore, after);
}

void TCanvasInteraction::UpdateCursor(QPoint point)
{
    m_cursor = Qt::ArrowCursor;
    const TObjectList& objects = m_document.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!(*it)->Selected) continue;
        const int code = HitTest(point, *it);
        if (code >= hcBody) {
            m_cursor = HitCursor(code);
            return;
        }
    }
}

void TCanvasInteraction::Release(Qt::MouseButton button, bool ctrl, QPoint point)
{
    if (m_skipNextRelease && button == Qt::LeftButton) {
        m_skipNextRelease = false;
        return;
    }
    if (m_state == DragState::Idle) return; // a press the studio refused, or a cancelled gesture
    if (m_state == DragState::Transform) {
        m_guides.clear(); // the picture the edit brings shows none
        FinishTransform();
    } else if (m_moved) {
        SelectByBand(ctrl);
    } else {
        SelectByClick(ctrl, point);
    }
    Reset();
    m_document.FollowSelection();
}

void TCanvasInteraction::SelectByBand(bool ctrl)
{
    for (TVoObject* entry : m_document.Objects()) {
        if (!BodyOverlaps(BoundsOf(entry), m_band))
            entry->Selected = false;
        else
            entry->Selected = ctrl ? !entry->Selected : true;
    }
}

void TCanvasInteraction::SelectByClick(bool ctrl, QPoint point)
{
    bool found = false;
    const TObjectList& objects = m_document.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!found && HitTest(point, *it) >= hcBody) {
            found = true;
            (*it)->Selected = ctrl ? !(*it)->Selected : true;
        } else if (!ctrl) {
            (*it)->Selected = false;
        }
    }
}

// Everything as it was at the press: bounds, selection and current entry.
void TCanvasInteraction::Cancel()
{
    for (size_t i = 0; i < m_dragged.size(); ++i) m_dragged[i]->Control->SetBounds(m_boundsBefore[i]);
    m_dragged.clear();
    m_boundsBefore.clear();
    m_document.SetSelection(m_selectionBefore);
    Reset();
    m_document.SetCurrentEntry(m_entryBefore);
}

bool TCanvasInteraction::Key(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape) {
        if (m_state == DragState::Idle) return false;
        Cancel();
        return true;
    }
    if (m_state != DragState::Idle) return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return Nudge(key, modifiers & Qt::ShiftModifier);
    case Qt::Key_Delete:
        m_host.RunEditCommand(EditCommand::Delete);
        return true;
    case Qt::Key_Tab: PickNeighbour(!(modifiers & Qt::ShiftModifier)); return true;
    case Qt::Key_Backtab: PickNeighbour(false); return true;
    case Qt::Key_A:
        if (!(modifiers & Qt::ControlModifier)) return false;
        if (!m_host.CommitPendingEdit()) return true;
        m_document.SelectAll();
        m_document.FollowSelection();
        return true;
    default: return false;
    }
}

// The whole selection moves by the same distance, taken from the current
// object (else the first selected one), so the objects keep their places
// among themselves.
bool TCanvasInteraction::Nudge(int key, bool gridStep)
{
    const std::vector<TVoObject*> selected = m_document.SelectedObjects();
    if (selected.empty() || !m_host.CommitPendingEdit()) return !selected.empty();
    const int current = m_document.CurrentObject();
    const TVoObject* reference = current >= 0 && m_document.Objects()[size_t(current)]->Selected
                                     ? m_document.Objects()[size_t(current)]
                                     : selected.front();
    const QRect ref = BoundsOf(reference);
    const TGridSettings& grid = m_document.Grid();
    const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
    const int direction = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    const QPoint delta = horizontal ? QPoint(NudgeDistance(ref.left(), direction, gridStep, grid.Snap, grid.X), 0)
                                    : QPoint(0, NudgeDistance(ref.top(), direction, gridStep, grid.Snap, grid.Y));
    std::vector<TVoObject*> objects;
    std::vector<QRect> before, after;
    for (TVoObject* entry : selected) {
        if (!entry->Control) continue;
        const QRect bounds = entry->Control->Bounds();
        objects.push_back(entry);
        before.push_back(bounds);
        after.push_back(bounds.translated(delta));
    }
    m_document.SetBounds(QStringLiteral("Move"), objects, before, after, true);
    return true;
}

void TCanvasInteraction::PickNeighbour(bool next)
{
    const int count = int(m_document.Objects().size());
    if (count == 0 || !m_host.CommitPendingEdit()) return;
    const int current = m_document.CurrentObject();
    const int index = current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    m_document.PickEntry(EntryOfObject(index));
}
