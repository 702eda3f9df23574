// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/VoFont.h"

#include <Qt>

class QAbstractScrollArea;
class QTextDocument;
class QWidget;

// Stored horizontal alignment, vertical layout and scroll-bar choices of
// the text controls.
enum : quint8 { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum : quint8 { tlTop = 0, tlCenter = 1, tlBottom = 2 };
enum : quint8 { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };
// Border of the text box and the rich-text panel.
enum : quint8 { tbsNone = 0, tbsSingle = 1 };

// The face of an edit field: the system window colour.
constexpr TColor clWindow = clSystemColor + 5;

// An unknown code aligns left, or to the top.
Qt::Alignment HorizontalAlignment(quint8 alignment);
Qt::Alignment VerticalAlignment(quint8 layout);

// The look the text box and the rich-text panel share. Each applies one
// stored field to the widget.
void ApplyScrollBars(QAbstractScrollArea& area, quint8 scrollBars);
void ApplyBorderStyle(QAbstractScrollArea& area, quint8 borderStyle);
// A control outside the tab order still takes the focus on a click, so its
// text can be selected and scrolled with the keys.
void ApplyTabStop(QWidget& widget, bool tabStop);
// Font, text colour and face colour, system colours taken from the
// application's palette.
void ApplyTextColors(QAbstractScrollArea& area, const TVoFont& font, TColor face);
void ApplyTextAlignment(QTextDocument& document, quint8 alignment);
