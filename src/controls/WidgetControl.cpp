// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WidgetControl.h"

#include <QWidget>

void ApplyCursorShape(QWidget& widget, TCursor cursor)
{
    if (const auto shape = CursorShape(cursor))
        widget.setCursor(*shape);
    else
        widget.unsetCursor();
}

TWidgetControl::TWidgetControl(QWidget& widget, QSize defaultSize) : m_widget(widget)
{
    m_widget.resize(defaultSize);
}

QRect TWidgetControl::Bounds() const
{
    return m_widget.geometry();
}

void TWidgetControl::SetBounds(const QRect& bounds)
{
    // At least 1 x 1. Clamped here rather than by a minimum size, which
    // would give every control's widget extra data to allocate.
    m_widget.setGeometry(QRect(bounds.topLeft(), bounds.size().expandedTo(QSize(1, 1))));
}

void TWidgetControl::SetHint(const QString& hint)
{
    m_hint = hint;
    // Loading sets every control's hint, most often to the empty one it has.
    if (m_widget.toolTip() != hint) m_widget.setToolTip(hint);
}

void TWidgetControl::SetCursor(TCursor cursor)
{
    // Only this sets the widget's cursor, so an unchanged one is in place.
    if (cursor == m_cursor) return;
    m_cursor = cursor;
    ApplyCursor();
}

void TWidgetControl::ApplyCursor()
{
    ApplyCursorShape(m_widget, m_cursor);
}
