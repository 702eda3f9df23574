// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/WindowFrame.h"

#include "model/ProjectSettings.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace {

Qt::WindowFlags TitleBarFlags(quint8 borderStyle, quint8 icons)
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint;
    if (icons & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
    if ((icons & biMaximize) && borderStyle == bsSizeable) flags |= Qt::WindowMaximizeButtonHint;
    if (icons & biHelp) flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}

int BorderWidth(const QWidget& widget)
{
    return std::max(2, widget.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &widget));
}

int TitleHeight(const QWidget& widget)
{
    QStyleOptionTitleBar option;
    option.initFrom(&widget);
    return std::max(18, widget.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &widget));
}

} // namespace

QMargins FrameMargins(const QWidget& widget, quint8 borderStyle)
{
    if (borderStyle == bsNone) return {};
    const int border = BorderWidth(widget);
    return {border, border + TitleHeight(widget), border, border};
}

void PaintWindowFrame(QPainter& painter, const QWidget& widget, const QRect& outer, const TFrameLook& look)
{
    if (look.borderStyle == bsNone) return;
    const QMargins margins = FrameMargins(widget, look.borderStyle);
    const int border = margins.left();

    QStyleOptionFrame frame;
    frame.initFrom(&widget);
    frame.rect = outer;
    frame.lineWidth = border;
    frame.state |= QStyle::State_Active;
    painter.fillRect(outer, widget.palette().window());
    widget.style()->drawPrimitive(QStyle::PE_FrameWindow, &frame, &painter, &widget);

    QStyleOptionTitleBar title;
    title.initFrom(&widget);
    title.rect = QRect(outer.left() + border, outer.top() + border, outer.width() - 2 * border,
                       margins.top() - border);
    title.text = look.caption;
    title.icon = look.icon.isNull() ? widget.style()->standardIcon(QStyle::SP_TitleBarMenuButton) : look.icon;
    title.titleBarFlags = TitleBarFlags(look.borderStyle, look.borderIcons);
    title.titleBarState = Qt::WindowActive;
    title.state |= QStyle::State_Active;
    title.subControls = QStyle::SC_All;
    title.activeSubControls = QStyle::SC_None;
    widget.style()->drawComplexControl(QStyle::CC_TitleBar, &title, &painter, &widget);
}

Qt::Edges FrameEdgesAt(QPoint point, QSize outer, const QMargins& margins)
{
    // Corners reach a little further along the edges, as window frames do.
    const int grip = std::max(margins.left(), 4);
    const int corner = grip * 3;
    Qt::Edges edges;
    const bool left = point.x() < grip, right = point.x() >= outer.width() - grip;
    const bool top = point.y() < grip, bottom = point.y() >= outer.height() - grip;
    if (!left && !right && !top && !bottom) return edges;
    if (left || (point.x() < corner && (top || bottom))) edges |= Qt::LeftEdge;
    if (right || (point.x() >= outer.width() - corner && (top || bottom))) edges |= Qt::RightEdge;
    if (top || (point.y() < corner && (left || right))) edges |= Qt::TopEdge;
    if (bottom || (point.y() >= outer.height() - corner && (left || right))) edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape EdgeCursor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = (edges & Qt::LeftEdge) ? bool(edges & Qt::TopEdge) : bool(edges & Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal) return Qt::SizeHorCursor;
    if (vertical) return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

bool InTitleBar(QPoint point, QSize outer, const QMargins& margins)
{
    return margins.top() > margins.left() && point.y() >= margins.left() && point.y() < margins.top() &&
           point.x() >= margins.left() && point.x() < outer.width() - margins.right();
}
