// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageButtonFace.h"

#include "controls/VoImageButton.h"
#include "model/Color.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

namespace {

bool Hot(const TButtonFaceState& state)
{
    return state.enabled && !state.pressed && state.mouseInside;
}

// The option's state reflects the button rather than the real pointer and
// focus, which the menu tracks on its own.
void SetThemeState(QStyleOption& option, const TButtonFaceState& state)
{
    option.state &= ~(QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_HasFocus |
                      QStyle::State_Sunken | QStyle::State_Raised);
    option.state |= state.pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (state.enabled) option.state |= QStyle::State_Enabled;
    if (Hot(state)) option.state |= QStyle::State_MouseOver;
}

void DrawThemedPushButton(QPainter& painter, const QWidget& widget, const TButtonFaceState& state)
{
    QStyleOptionButton option;
    option.initFrom(&widget);
    SetThemeState(option, state);
    widget.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &widget);
}

// The tool-bar look: no panel until the mouse is over it or it is pressed.
void DrawThemedToolButton(QPainter& painter, const QWidget& widget, const TButtonFaceState& state)
{
    QStyleOptionToolButton option;
    option.initFrom(&widget);
    SetThemeState(option, state);
    option.state |= QStyle::State_AutoRaise;
    option.subControls = QStyle::SC_ToolButton;
    option.activeSubControls = state.pressed ? QStyle::SC_ToolButton : QStyle::SC_None;
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    option.arrowType = Qt::NoArrow;
    widget.style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, &widget);
}

// A button never belongs to a group, so it never reaches the exclusive
// state whose check pattern would cover the face here.
void DrawClassicFace(QPainter& painter, const QWidget& widget, const TButtonFaceState& state)
{
    const QRect area = widget.rect();
    const QPalette& palette = widget.palette();
    if (!state.flat) {
        const QBrush face(ColorToQColor(clBtnFace, palette));
        qDrawWinButton(&painter, area, palette, state.pressed, &face);
    } else if (state.pressed || (state.mouseInside && state.enabled)) {
        qDrawShadePanel(&painter, area, palette, state.pressed, 1, nullptr);
    }
}

} // namespace

void DrawButtonFace(QPainter& painter, const QWidget& widget, quint8 style,
                    const TButtonFaceState& state)
{
    switch (style) {
    case btsTransparent:
        return;
    case btsThemes:
        DrawThemedPushButton(painter, widget, state);
        return;
    case btsThemesFlat:
        DrawThemedToolButton(painter, widget, state);
        return;
    default:
        DrawClassicFace(painter, widget, state);
        return;
    }
}
