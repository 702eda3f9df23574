// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/CanvasInteraction.h"

#include "canvas/CanvasHost.h"
#include "model/StudioState.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"

namespace {

QRect BoundsOf(const TVoObject* entry)
{
    return entry && entry->Control ? entry->Control->Bounds() : QRect();
}

int HitTest(QPoint point, const TVoObject* entry)
{
    if (!entry || !entry->Control) return hcNone;
    return HitTestObject(point.x(), point.y(), entry->Control->Bounds(), entry->Selected);
}

} // namespace

TCanvasInteraction::TCanvasInteraction(TCanvasHost& host, TVelomniForm& menu) : m_host(host), m_menu(menu) {}

QSize TCanvasInteraction::ClientSize() const
{
    return m_menu.ScrollBox1()->size();
}

void TCanvasInteraction::Reset()
{
    m_state = DragState::Idle;
    m_moved = false;
    m_band = QRect();
}

void TCanvasInteraction::Press(Qt::MouseButton button, bool ctrl, QPoint point)
{
    if (!m_host.CommitPendingEdit()) return;
    if (PlaceNewObject(button, point)) return;
    m_moved = false;
    m_state = DragState::Band;
    if (!ctrl) StartTransformOrPick(point);
    if (m_state == DragState::Pick) KeepOnlyPicked(point);
    m_pressPoint = point;
    m_host.ApplyEdit(CanvasRedraw);
}

bool TCanvasInteraction::PlaceNewObject(Qt::MouseButton button, QPoint point)
{
    if (button != Qt::LeftButton) return false;
    const int kind = m_host.AddToolKind();
    if (kind < 0) return false;
    const QPoint at = SnapToGrid ? SnapPointToGrid(point, GridSizeX, GridSizeY) : point;
    const bool added = m_menu.AddObject(kind, at.x(), at.y()) != nullptr;
    m_host.PressSelectTool();
    if (!added) return true;
    m_menu.SortObjectList();
    m_skipNextRelease = true;
    m_host.ApplyEdit(ProjectChanged | CanvasRedraw);
    m_host.RefreshObjectList();
    return true;
}

// Handles of selected objects first, topmost first; then any body under
// the point. A selected body starts a move of the whole selection, an
// unselected one is picked.
void TCanvasInteraction::StartTransformOrPick(QPoint point)
{
    const TObjectList& objects = m_menu.ObjectList();
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
    const TObjectList& objects = m_menu.ObjectList();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        const bool under = !found && HitTest(point, *it) >= hcBody;
        (*it)->Selected = under;
        found = found || under;
    }
    m_state = DragState::Transform;
    m_hitCode = hcBody;
}

void TCanvasInteraction::Move(QPoint point)
{
    switch (m_state) {
    case DragState::Transform: StepTransform(point); break;
    case DragState::Band:
        m_moved = true;
        m_band = NormalisedBand(m_pressPoint, point);
        break;
    case DragState::Idle: UpdateCursor(point); break;
    case DragState::Pick: break;
    }
}

void TCanvasInteraction::StepTransform(QPoint point)
{
    const DragStep step = SnapDragStep(point.x() - m_lastPoint.x(), point.y() - m_lastPoint.y(), SnapToGrid,
                                       GridSizeX, GridSizeY);
    if (!step.take) return;
    m_moved = true;
    const QSize client = ClientSize();
    for (TVoObject* entry : m_menu.ObjectList()) {
        if (!entry->Selected || !entry->Control) continue;
        entry->Control->SetBounds(
            TransformBounds(entry->Control->Bounds(), m_hitCode, step.dx, step.dy, client, GridSizeX, GridSizeY));
    }
    m_lastPoint += QPoint(step.dx, step.dy);
    m_host.ApplyEdit(ProjectChanged | CanvasRedraw);
}

void TCanvasInteraction::UpdateCursor(QPoint point)
{
    m_cursor = Qt::ArrowCursor;
    const TObjectList& objects = m_menu.ObjectList();
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
    if (m_state == DragState::Idle) return; // a press the studio refused
    if (m_state != DragState::Transform) {
        if (m_moved)
            SelectByBand(ctrl);
        else
            SelectByClick(ctrl, point);
    }
    Reset();
    SyncCurrentObject();
    m_host.ApplyEdit(CanvasRedraw);
}

void TCanvasInteraction::SelectByBand(bool ctrl)
{
    for (TVoObject* entry : m_menu.ObjectList()) {
        if (!BodyOverlaps(BoundsOf(entry), m_band))
            entry->Selected = false;
        else
            entry->Selected = ctrl ? !entry->Selected : true;
    }
}

void TCanvasInteraction::SelectByClick(bool ctrl, QPoint point)
{
    bool found = false;
    const TObjectList& objects = m_menu.ObjectList();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!found && HitTest(point, *it) >= hcBody) {
            found = true;
            (*it)->Selected = ctrl ? !(*it)->Selected : true;
        } else if (!ctrl) {
            (*it)->Selected = false;
        }
    }
}

void TCanvasInteraction::SyncCurrentObject()
{
    const TObjectList& objects = m_menu.ObjectList();
    const int current = m_host.CurrentEntry();
    const int count = int(objects.size());
    const bool showsObject = current >= 1;
    const bool lost = showsObject && (current > count || !objects[size_t(current - 1)]->Selected);
    int topmost = -1;
    for (int i = count - 1; i >= 0 && topmost < 0; --i)
        if (objects[size_t(i)]->Selected) topmost = i;
    if (topmost < 0) {
        if (showsObject) m_host.SetSelectorEntry(0);
    } else if (lost || current == 0) {
        m_host.SetSelectorEntry(topmost + 1);
    }
    m_host.ShowCurrentEntry();
}

bool TCanvasInteraction::AlignSelection(int mode)
{
    const TObjectList& objects = m_menu.ObjectList();
    const int current = m_host.CurrentEntry();
    if (current < 1 || current > int(objects.size())) return false;
    const TVoObject* reference = objects[size_t(current - 1)];
    const QRect ref = BoundsOf(reference);
    bool others = false;
    for (TVoObject* entry : objects) {
        if (entry == reference || !entry->Selected || !entry->Control) continue;
        others = true;
        QRect bounds = entry->Control->Bounds();
        bounds.moveTopLeft(AlignedPosition(ref, bounds, mode));
        entry->Control->SetBounds(bounds);
    }
    if (others) m_host.ApplyEdit(ProjectChanged | CanvasRedraw);
    return others;
}

bool TCanvasInteraction::SnapObjectToGrid(TVoObject& entry) const
{
    if (!entry.Control) return false;
    QRect bounds = entry.Control->Bounds();
    const QPoint snapped = SnapPointToGrid(bounds.topLeft(), GridSizeX, GridSizeY);
    if (snapped == bounds.topLeft()) return false;
    bounds.moveTopLeft(snapped);
    entry.Control->SetBounds(bounds);
    return true;
}
