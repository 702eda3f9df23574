// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Cursor.h"
#include "model/ObjectControl.h"

#include <QSize>
#include <QString>

class QWidget;

// Sets the widget's cursor, or unsets it for crDefault.
void ApplyCursorShape(QWidget& widget, TCursor cursor);

// What every object control shares: its widget's geometry as the
// control's bounds, and the hint and cursor shown over it.
class TWidgetControl : public TVoControl {
public:
    QRect Bounds() const override;
    void SetBounds(const QRect& bounds) override;

    // Shown as the widget's tooltip.
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    // Default leaves the parent's cursor in force.
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

protected:
    // The widget is the control itself, already constructed as its other
    // base; it gets the default size. Bounds are never smaller than 1 x 1.
    TWidgetControl(QWidget& widget, QSize defaultSize);
    // Puts Cursor() on the widget; a control with inner widgets that set
    // their own puts it there too.
    virtual void ApplyCursor();

private:
    QWidget& m_widget;
    QString m_hint;
    TCursor m_cursor = crDefault;
};
