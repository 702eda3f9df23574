// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class TCanvasHost;
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

// The canvas's mouse gestures over the live menu window's objects:
// placing, selecting, moving and resizing them, and the arrangement of
// the selection. It changes the real controls and the selection flags,
// and hands every effect to the host; it owns no window.
class TCanvasInteraction {
public:
    TCanvasInteraction(TCanvasHost& host, TVelomniForm& menu);

    void Press(Qt::MouseButton button, bool ctrl, QPoint point);
    void Move(QPoint point);
    void Release(Qt::MouseButton button, bool ctrl, QPoint point);

    // Makes the topmost selected object current when the current one was
    // deselected, or the project when nothing is selected; then the host
    // shows the current entry.
    void SyncCurrentObject();
    // Moves every other selected object into line with the current object
    // along one axis. False, with nothing changed, when no other object is
    // selected or the current entry is not an object.
    bool AlignSelection(int mode);
    // Moves the object's control to the nearest grid point; false when it
    // is there already.
    bool SnapObjectToGrid(TVoObject& entry) const;

    DragState State() const { return m_state; }
    int Hit() const { return m_hitCode; }
    bool Moved() const { return m_moved; }
    bool SkipNextRelease() const { return m_skipNextRelease; }
    // The band now drawn; invalid when there is none.
    const QRect& Band() const { return m_band; }
    void ClearBand() { m_band = QRect(); }
    // The cursor the picture shows over the last idle position.
    Qt::CursorShape Cursor() const { return m_cursor; }
    // Back to idle, as after a new frame.
    void Reset();

    TCanvasHost& Host() const { return m_host; }
    TVelomniForm& Menu() const { return m_menu; }

private:
    bool PlaceNewObject(Qt::MouseButton button, QPoint point);
    void StartTransformOrPick(QPoint point);
    void KeepOnlyPicked(QPoint point);
    void StepTransform(QPoint point);
    void SelectByBand(bool ctrl);
    void SelectByClick(bool ctrl, QPoint point);
    void UpdateCursor(QPoint point);
    QSize ClientSize() const;

    TCanvasHost& m_host;
    TVelomniForm& m_menu;
    DragState m_state = DragState::Idle;
    bool m_moved = false;
    int m_hitCode = hcNone;
    QPoint m_lastPoint{-1, -1};
    QPoint m_pressPoint{-1, -1};
    bool m_skipNextRelease = false;
    QRect m_band;
    Qt::CursorShape m_cursor = Qt::ArrowCursor;
};
