// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/TextControlLook.h"
#include "controls/WidgetControl.h"
#include "model/Color.h"
#include "model/VoFont.h"

#include <QMouseEvent>
#include <QTextDocument>

// What the text box and the rich-text panel share: a read-only edit of the
// given Qt class with an arrow cursor, font, alignment, wrapping, scroll
// bars, face colour, border and tab stop, a click on release inside and a
// mouse-enter hook.
template <class Edit>
class TTextPanel : public Edit, public TWidgetControl {
public:
    const TVoFont& Font() const { return m_font; }
    void SetFont(const TVoFont& font)
    {
        m_font = font;
        ApplyTextColors(*this, m_font, m_color);
        this->document()->setDefaultFont(ToQFont(m_font));
    }
    // taLeftJustify, taRightJustify or taCenter, for paragraphs that do not
    // choose their own.
    quint8 Alignment() const { return m_alignment; }
    void SetAlignment(quint8 alignment)
    {
        m_alignment = alignment;
        ApplyTextAlignment(*this->document(), alignment);
    }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap)
    {
        m_wordWrap = wordWrap;
        this->setLineWrapMode(wordWrap ? Edit::WidgetWidth : Edit::NoWrap);
    }
    // ssNone, ssHorizontal, ssVertical or ssBoth; a chosen bar always shows.
    quint8 ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(quint8 scrollBars)
    {
        m_scrollBars = scrollBars;
        ApplyScrollBars(*this, scrollBars);
    }
    TColor Color() const { return m_color; }
    void SetColor(TColor color)
    {
        m_color = color;
        ApplyTextColors(*this, m_font, m_color);
    }
    // tbsNone or tbsSingle.
    quint8 BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(quint8 borderStyle)
    {
        m_borderStyle = borderStyle;
        ApplyBorderStyle(*this, borderStyle);
    }
    // Whether the Tab key reaches the panel; a click always focuses it.
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop)
    {
        m_tabStop = tabStop;
        ApplyTabStop(*this, tabStop);
    }

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    explicit TTextPanel(QWidget* parent) : Edit(parent), TWidgetControl(*this, QSize(177, 177))
    {
        this->setReadOnly(true);
        SetCursor(crArrow);
        ApplyTabStop(*this, m_tabStop);
        ApplyScrollBars(*this, m_scrollBars);
        ApplyBorderStyle(*this, m_borderStyle);
        ApplyTextColors(*this, m_font, m_color);
        this->setLineWrapMode(Edit::WidgetWidth);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        Edit::mousePressEvent(event);
        m_click.Press(*event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Edit::mouseReleaseEvent(event);
        // Mouse events arrive from the viewport, in its coordinates.
        if (m_click.Release(*event, this->viewport()->rect())) FireControlEvent(OnClick, *this);
    }
    void enterEvent(QEnterEvent* event) override
    {
        Edit::enterEvent(event);
        FireControlEvent(OnMouseEnterHook, *this);
    }

private:
    TVoFont m_font;
    quint8 m_alignment = 0;
    bool m_wordWrap = true;
    quint8 m_scrollBars = 2;
    TColor m_color = clWindow;
    quint8 m_borderStyle = 1;
    bool m_tabStop = false;
    TClickTracker m_click;
};
