// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasInteraction.h"
#include "canvas/EditMenu.h"
#include "canvas/WindowFrame.h"

#include <QImage>
#include <QWidget>

class QMenu;
class TCanvasHost;
class TCanvasImage;
class TDesignDocument;
class TVelomniForm;

// The design canvas: a window made to look like the menu window (frame,
// caption, icon, size) whose client area shows a picture of the menu
// window's client area with the selection marks on top. Mouse gestures
// and keys on the picture go to the canvas interaction, which changes the
// real controls; the picture is taken anew whenever the design document
// says so.
class TEditForm final : public QWidget {
public:
    TEditForm(TCanvasHost& host, TDesignDocument& document, QWidget* parent = nullptr);
    ~TEditForm() override;

    // Paints the menu window's client area, the selection marks and the
    // smart guides of a drag into the picture and shows it; the band is
    // gone afterwards.
    void RedrawCanvas();
    // Copies the menu window's frame, caption, icon and size, then takes
    // a new picture. Being resized meanwhile changes nothing in the menu.
    void SyncCanvasWindow();

    TCanvasInteraction& Interaction() { return m_interaction; }
    const QImage& Picture() const { return m_picture; }
    QWidget* Image1() const;
    QMenu* PopupMenu1() const { return m_popup; }
    QAction* PopupItem(EditCommand command) const { return ActionOf(m_popupItems, command); }
    const QMargins& FrameMargins() const { return m_margins; }
    bool Syncing() const { return m_syncing; }
    // The studio allows closing only when it closes itself.
    void SetCloseAllowed(bool allowed) { m_closeAllowed = allowed; }

    // Mouse gestures on the picture, in its coordinates.
    void ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point);
    // Alt held switches the smart guides off for a drag.
    void ImageMouseMove(QPoint point, Qt::KeyboardModifiers modifiers = {});
    void ImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point, QPoint global);
    // A key on the picture; false when the canvas does not take it.
    bool ImageKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Gives the canvas window a new geometry as dragging its frame does;
    // the menu window takes the new size. Outside a frame drag this is one
    // edit; a drag makes one when the mouse is released.
    void ResizeByFrame(const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LayoutClientArea();
    void ShowBandChange(const QRect& before);
    void OpenPopup(QPoint global);
    bool Sizeable() const;
    void DocumentChanged(unsigned what);
    void RecordWindowSize(QSize before);

    TCanvasHost& m_host;
    TDesignDocument& m_document;
    TVelomniForm& m_menu;
    TCanvasInteraction m_interaction;
    TCanvasImage* m_image = nullptr;
    QMenu* m_popup = nullptr;
    EditActions m_popupItems{};
    QImage m_picture;
    TFrameLook m_look;
    QMargins m_margins;
    bool m_syncing = false;
    bool m_closeAllowed = false;
    bool m_rightPressTaken = false;
    bool m_redrawing = false;

    // Dragging the frame: the edges held (none while moving by the title
    // bar), where the drag started and the geometry then.
    Qt::Edges m_frameEdges;
    bool m_movingWindow = false;
    QPoint m_dragStart;
    QRect m_dragGeometry;
    QSize m_sizeBefore;
};
