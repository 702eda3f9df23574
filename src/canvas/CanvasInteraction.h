// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasGeometry.h"
#include "canvas/SmartGuides.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include <vector>

class TCanvasHost;
class TDesignDocument;
class TVelomniForm;
struct TVoObject;

// What a mouse gesture on the canvas is doing. The stored codes are kept:
// a pick exists only inside a press.
enum class DragState : int {
    Idle = -1,
    Band = 0,      // a press on nothing, or with Ctrl: the release decides
    Pick = 1,      // an unselected object was hit; it becomes the selection
    Transform = 2, // moving or resizing the selection
};

// The canvas's mouse and keyboard gestures over the document's objects:
// placing, selecting, moving, resizing and nudging them. A drag moves the
// real controls as the mouse goes and becomes one document edit when it
// ends; Esc puts everything back as it was at the press. It owns no
// window.
class TCanvasInteraction {
public:
    TCanvasInteraction(TCanvasHost& host, TDesignDocument& document);

    void Press(Qt::MouseButton button, bool ctrl, QPoint point);
    // guides: whether a moved or resized selection snaps to the smart
    // guides on this move (Alt held switches them off).
    void Move(QPoint point, bool guides = true);
    void Release(Qt::MouseButton button, bool ctrl, QPoint point);
    // A key on the canvas: arrows nudge the selection (Shift: one grid
    // step), Delete deletes it, Esc cancels the gesture, Tab and Shift+Tab
    // pick the next or previous object, Ctrl+A selects all. False for a
    // key it does not take.
    bool Key(int key, Qt::KeyboardModifiers modifiers);

    DragState State() const { return m_state; }
    int Hit() const { return m_hitCode; }
    bool Moved() const { return m_moved; }
    bool SkipNextRelease() const { return m_skipNextRelease; }
    // The band now drawn; invalid when there is none.
    const QRect& Band() const { return m_band; }
    // The smart guide lines the selection now lies on; only while it is
    // dragged.
    const std::vector<GuideLine>& Guides() const { return m_guides; }
    void ClearBand() { m_band = QRect(); }
    // The cursor the picture shows over the last idle position.
    Qt::CursorShape Cursor() const { return m_cursor; }
    // Back to idle, as after a new frame.
    void Reset();

    TCanvasHost& Host() const { return m_host; }
    TDesignDocument& Document() const { return m_document; }

private:
    TVelomniForm& Menu() const;
    bool PlaceNewObject(Qt::MouseButton button, QPoint point);
    void StartTransformOrPick(QPoint point);
    void KeepOnlyPicked(QPoint point);
    void RememberBounds();
    void StepTransform(QPoint point, bool guides);
    void ShowTransform();
    std::vector<QRect> TransformedBounds(int dx, int dy, QSize client) const;
    void FinishTransform();
    void SelectByBand(bool ctrl);
    void SelectByClick(bool ctrl, QPoint point);
    void UpdateCursor(QPoint point);
    void Cancel();
    bool Nudge(int key, bool gridStep);
    void PickNeighbour(bool next);
    QSize ClientSize() const;

    TCanvasHost& m_host;
    TDesignDocument& m_document;
    DragState m_state = DragState::Idle;
    bool m_moved = false;
    int m_hitCode = hcNone;
    QPoint m_lastPoint{-1, -1};
    QPoint m_pressPoint{-1, -1};
    bool m_skipNextRelease = false;
    QRect m_band;
    Qt::CursorShape m_cursor = Qt::ArrowCursor;
    // As they were at the press, for the step a drag makes and for Esc.
    std::vector<bool> m_selectionBefore;
    int m_entryBefore = 0;
    std::vector<TVoObject*> m_dragged;
    std::vector<QRect> m_boundsBefore;
    // Where the drag puts the selection without guides: the mouse's way
    // with grid snapping, clamps and minimum sizes. The guides pull the
    // controls away from it by a few pixels at most.
    std::vector<QRect> m_freeBounds;
    // The lines of the objects that stay and of the window, from the press.
    GuideCandidates m_candidates;
    bool m_guidesOn = true;
    std::vector<GuideLine> m_guides;
};
