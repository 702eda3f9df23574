// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/TextControlLook.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTextDocument>
#include <QTextOption>

Qt::Alignment HorizontalAlignment(quint8 alignment)
{
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

Qt::Alignment VerticalAlignment(quint8 layout)
{
    switch (layout) {
    case tlCenter: return Qt::AlignVCenter;
    case tlBottom: return Qt::AlignBottom;
    default: return Qt::AlignTop;
    }
}

void ApplyScrollBars(QAbstractScrollArea& area, quint8 scrollBars)
{
    const bool horizontal = scrollBars == ssHorizontal || scrollBars == ssBoth;
    const bool vertical = scrollBars == ssVertical || scrollBars == ssBoth;
    area.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void ApplyBorderStyle(QAbstractScrollArea& area, quint8 borderStyle)
{
    if (borderStyle == tbsNone)
        area.setFrameStyle(QFrame::NoFrame);
    else
        area.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void ApplyTabStop(QWidget& widget, bool tabStop)
{
    widget.setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void ApplyTextColors(QAbstractScrollArea& area, const TVoFont& font, TColor face)
{
    // The widget's own palette already holds earlier choices, so system
    // colours are looked up in the untouched application palette.
    const QPalette system = QApplication::palette(&area);
    QPalette palette = area.palette();
    palette.setColor(QPalette::Base, ColorToQColor(face, system));
    palette.setColor(QPalette::Text, ColorToQColor(font.Color, system));
    area.setPalette(palette);
    area.setFont(ToQFont(font));
}

void ApplyTextAlignment(QTextDocument& document, quint8 alignment)
{
    QTextOption option = document.defaultTextOption();
    option.setAlignment(HorizontalAlignment(alignment));
    document.setDefaultTextOption(option);
}
