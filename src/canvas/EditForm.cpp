// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/EditForm.h"

#include "canvas/CanvasHost.h"
#include "canvas/SelectionMarks.h"
#include "document/DesignDocument.h"
#include "document/PropertyCommand.h"
#include "player/VelomniForm.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>

#include <algorithm>

// The client area of the canvas: shows the picture and hands the mouse to
// the canvas.
class TCanvasImage final : public QWidget {
public:
    explicit TCanvasImage(TEditForm& form) : QWidget(&form), m_form(form)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setContextMenuPolicy(Qt::PreventContextMenu);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const QImage& picture = m_form.Picture();
        painter.fillRect(event->rect(), palette().window());
        painter.drawImage(event->rect().topLeft(), picture, event->rect());
    }
    // The focus is taken after the press, which may first have sent it out
    // of the property grid.
    void mousePressEvent(QMouseEvent* event) override
    {
        m_form.ImageMouseDown(event->button(), event->modifiers(), event->position().toPoint());
        setFocus(Qt::MouseFocusReason);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_form.ImageMouseMove(event->position().toPoint(), event->modifiers());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        m_form.ImageMouseUp(event->button(), event->modifiers(), event->position().toPoint(),
                            event->globalPosition().toPoint());
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!m_form.ImageKeyDown(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
    }
    // Tab and Shift+Tab pick objects here instead of moving the focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    TEditForm& m_form;
};

namespace {

constexpr int kMinimumClient = 16;
constexpr int kMinimumWidth = 120;

} // namespace

TEditForm::TEditForm(TCanvasHost& host, TDesignDocument& document, QWidget* parent)
    : QWidget(parent), m_host(host), m_document(document), m_menu(document.Menu()), m_interaction(host, document)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_image = new TCanvasImage(*this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_popupItems = FillEditMenu(*m_popup, [this](EditCommand command) { m_host.RunEditCommand(command); }, false);
    connect(&m_document, &TDesignDocument::changed, this, [this](EditEffects what) { DocumentChanged(what); });
}

void TEditForm::DocumentChanged(unsigned what)
{
    if (what & FrameSync)
        SyncCanvasWindow();
    else if (what & (CanvasRedraw | EntryChange | ObjectListChange))
        RedrawCanvas();
}

TEditForm::~TEditForm() = default;

QWidget* TEditForm::Image1() const
{
    return m_image;
}

bool TEditForm::Sizeable() const
{
    return m_look.borderStyle == bsSizeable;
}

void TEditForm::RedrawCanvas()
{
    // Rendering delivers pending events, which may ask for a picture again.
    if (m_redrawing) return;
    const QScopedValueRollback<bool> guard(m_redrawing, true);
    QWidget* surface = m_menu.ScrollBox1();
    const QSize size = surface->size().expandedTo(QSize(1, 1));
    // The surface fills its own background, so the picture is reused as it is.
    if (m_picture.size() != size) m_picture = QImage(size, QImage::Format_RGB32);
    surface->render(&m_picture);
    DrawSelectionMarks(m_picture, m_menu.ObjectList(), m_document.CurrentEntry());
    DrawGuideLines(m_picture, m_interaction.Guides());
    m_interaction.ClearBand();
    m_image->update();
}

void TEditForm::SyncCanvasWindow()
{
    m_syncing = true;
    const TProjectSettings& settings = m_menu.Settings();
    m_look = {settings.FormCaption, m_menu.windowIcon(), settings.BorderStyle, settings.BorderIcons};
    m_margins = ::FrameMargins(*this, settings.BorderStyle);
    m_menu.SetDesignFrame(QSize(m_margins.left() + m_margins.right(), m_margins.top() + m_margins.bottom()));
    resize(settings.Width, settings.Height);
    LayoutClientArea();
    m_syncing = false;
    m_interaction.Reset();
    m_picture = QImage();
    RedrawCanvas();
    update();
}

void TEditForm::LayoutClientArea()
{
    m_image->setGeometry(rect().marginsRemoved(m_margins));
}

void TEditForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintWindowFrame(painter, *this, rect(), m_look);
}

void TEditForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutClientArea();
}

// Resized by its frame: the menu window takes the new size. (A hidden
// widget gets its resize events late, so this is not left to them.)
void TEditForm::ResizeByFrame(const QRect& geometry)
{
    if (geometry == this->geometry()) return;
    const QSize before(m_menu.Settings().Width, m_menu.Settings().Height);
    setGeometry(geometry);
    if (m_syncing) return;
    m_menu.SetWindowSize(width(), height());
    if (m_frameEdges)
        m_document.Notify(CanvasRedraw);
    else
        RecordWindowSize(before);
}

void TEditForm::RecordWindowSize(QSize before)
{
    TVelomniForm& menu = m_menu;
    const std::function<QSize()> get = [&menu] { return QSize(menu.Settings().Width, menu.Settings().Height); };
    const QSize after = get();
    // The step starts from the size before, so that its first redo is a change.
    menu.SetWindowSize(before.width(), before.height());
    EditProperty<QSize>(
        m_document, QStringLiteral("Size"), &menu.Settings(), get,
        [&menu](const QSize& size) { menu.SetWindowSize(size.width(), size.height()); }, after,
        ProjectChanged | FrameSync);
}

void TEditForm::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!m_syncing) m_host.CanvasWindowMoved();
}

void TEditForm::closeEvent(QCloseEvent* event)
{
    if (m_closeAllowed)
        event->accept();
    else
        event->ignore();
}

void TEditForm::ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)
{
    m_interaction.Press(button, modifiers & Qt::ControlModifier, point);
    if (button == Qt::RightButton) m_rightPressTaken = m_interaction.State() != DragState::Idle;
}

void TEditForm::ImageMouseMove(QPoint point, Qt::KeyboardModifiers modifiers)
{
    const QRect before = m_interaction.Band();
    m_interaction.Move(point, !(modifiers & Qt::AltModifier));
    if (m_interaction.State() == DragState::Band)
        ShowBandChange(before);
    else if (m_interaction.State() == DragState::Idle)
        m_image->setCursor(m_interaction.Cursor());
}

bool TEditForm::ImageKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    return m_interaction.Key(key, modifiers);
}

void TEditForm::ImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point, QPoint global)
{
    m_interaction.Release(button, modifiers & Qt::ControlModifier, point);
    if (button == Qt::RightButton && m_rightPressTaken) {
        m_rightPressTaken = false;
        OpenPopup(global);
    }
}

// The band is drawn by inverting pixels: the old one is inverted back
// before the new one is drawn, and only their edges are repainted.
void TEditForm::ShowBandChange(const QRect& before)
{
    const QRect& after = m_interaction.Band();
    if (before == after) return;
    XorDottedRect(m_picture, before);
    XorDottedRect(m_picture, after);
    QRegion dirty;
    for (const QRect& band : {before, after})
        if (band.isValid()) dirty += QRegion(band.adjusted(0, 0, 1, 1)).subtracted(band.adjusted(1, 1, -1, -1));
    m_image->update(dirty);
}

void TEditForm::OpenPopup(QPoint global)
{
    m_host.UpdateEditMenu();
    for (int i = 0; i < kEditCommandCount; ++i)
        m_popupItems[size_t(i)]->setEnabled(m_host.EditCommandEnabled(EditCommand(i)));
    ActionOf(m_popupItems, EditCommand::Undo)->setText(m_document.UndoText());
    ActionOf(m_popupItems, EditCommand::Redo)->setText(m_document.RedoText());
    m_popup->popup(global);
}

void TEditForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    m_frameEdges = Sizeable() ? FrameEdgesAt(point, size(), m_margins) : Qt::Edges();
    m_movingWindow = !m_frameEdges && InTitleBar(point, size(), m_margins);
    m_dragStart = event->globalPosition().toPoint();
    m_dragGeometry = geometry();
    m_sizeBefore = QSize(m_menu.Settings().Width, m_menu.Settings().Height);
}

void TEditForm::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        setCursor(Sizeable() ? EdgeCursor(FrameEdgesAt(point, size(), m_margins)) : Qt::ArrowCursor);
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - m_dragStart;
    if (m_movingWindow) {
        const QPoint to = m_dragGeometry.topLeft() + delta;
        move(std::max(0, to.x()), std::max(0, to.y()));
        return;
    }
    if (!m_frameEdges) return;
    const int minWidth = std::max(kMinimumWidth, m_margins.left() + m_margins.right() + kMinimumClient);
    const int minHeight = m_margins.top() + m_margins.bottom() + kMinimumClient;
    QRect geometry = m_dragGeometry;
    if (m_frameEdges & Qt::LeftEdge)
        geometry.setLeft(std::max(0, std::min(geometry.left() + delta.x(), geometry.right() + 1 - minWidth)));
    if (m_frameEdges & Qt::RightEdge) geometry.setRight(std::max(geometry.right() + delta.x(), geometry.left() + minWidth - 1));
    if (m_frameEdges & Qt::TopEdge)
        geometry.setTop(std::max(0, std::min(geometry.top() + delta.y(), geometry.bottom() + 1 - minHeight)));
    if (m_frameEdges & Qt::BottomEdge)
        geometry.setBottom(std::max(geometry.bottom() + delta.y(), geometry.top() + minHeight - 1));
    ResizeByFrame(geometry);
}

void TEditForm::mouseReleaseEvent(QMouseEvent*)
{
    if (m_frameEdges) RecordWindowSize(m_sizeBefore);
    m_frameEdges = Qt::Edges();
    m_movingWindow = false;
}
