// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WidgetControl.h"

#include <QAbstractScrollArea>
#include <QWidget>

namespace {

void ApplyCursorShape(QWidget& widget, TCursor cursor)
{
    if (const auto shape = CursorShape(cursor))
        widget.setCursor(*shape);
    else
        widget.unsetCursor();
}

} // namespace

TWidgetControl::TWidgetControl(QWidget& widget, QSize defaultSize) : m_widget(widget)
{
    m_widget.setMinimumSize(1, 1);
    m_widget.resize(defaultSize);
}

QRect TWidgetControl::Bounds() const
{
    return m_widget.geometry();
}

void TWidgetControl::SetBounds(const QRect& bounds)
{
    m_widget.setGeometry(bounds);
}

void TWidgetControl::SetHint(const QString& hint)
{
    m_hint = hint;
    m_widget.setToolTip(hint);
}

void TWidgetControl::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    ApplyCursorShape(m_widget, cursor);
    // A scroll area shows the cursor of its viewport over the text.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&m_widget))
        ApplyCursorShape(*area->viewport(), cursor);
}
