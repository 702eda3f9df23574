// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/TextControlLook.h"
#include "controls/WidgetControl.h"
#include "model/Color.h"
#include "model/VoFont.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <QWidget>

// What the text box and the rich-text panel share: a read-only edit of the
// given Qt class with an arrow cursor, font, alignment, wrapping, scroll
// bars, face colour, border and tab stop, a click on release inside and a
// mouse-enter hook.
//
// A Qt edit costs far more to construct than a plain widget, and a project
// may hold hundreds of them. So the panel is a plain widget that keeps every
// field and builds its edit, filling the panel, only when it is first
// polished (shown, or rendered as part of a hidden window) or when code asks
// for Edit(). Until then the fields live here alone.
template <class TEdit>
class TTextPanel : public QWidget, public TWidgetControl {
public:
    // The edit goes first, while the events it forwards still have a panel.
    ~TTextPanel() override { delete m_edit; }

    const TVoFont& Font() const { return m_font; }
    void SetFont(const TVoFont& font)
    {
        m_font = font;
        if (m_edit) ApplyFont(*m_edit);
    }
    // taLeftJustify, taRightJustify or taCenter, for paragraphs that do not
    // choose their own.
    quint8 Alignment() const { return m_alignment; }
    void SetAlignment(quint8 alignment)
    {
        m_alignment = alignment;
        if (m_edit) ApplyTextAlignment(*m_edit->document(), alignment);
    }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap)
    {
        m_wordWrap = wordWrap;
        if (m_edit) ApplyWordWrap(*m_edit);
    }
    // ssNone, ssHorizontal, ssVertical or ssBoth; a chosen bar always shows.
    quint8 ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(quint8 scrollBars)
    {
        m_scrollBars = scrollBars;
        if (m_edit) ApplyScrollBars(*m_edit, scrollBars);
    }
    TColor Color() const { return m_color; }
    void SetColor(TColor color)
    {
        m_color = color;
        if (m_edit) ApplyTextColors(*m_edit, m_font, m_color);
    }
    // tbsNone or tbsSingle.
    quint8 BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(quint8 borderStyle)
    {
        m_borderStyle = borderStyle;
        if (m_edit) ApplyBorderStyle(*m_edit, borderStyle);
    }
    // Whether the Tab key reaches the panel; a click always focuses it.
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop)
    {
        m_tabStop = tabStop;
        ApplyTabStop(*this, tabStop);
        if (m_edit) ApplyTabStop(*m_edit, tabStop);
    }

    void SetBounds(const QRect& bounds) override
    {
        TWidgetControl::SetBounds(bounds);
        // A hidden panel gets its resize event only when shown.
        if (m_edit) m_edit->setGeometry(rect());
    }

    // The edit showing the text, built now if it does not exist yet.
    TEdit& Edit()
    {
        BuildEdit();
        return *m_edit;
    }
    bool EditBuilt() const { return m_edit != nullptr; }

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    explicit TTextPanel(QWidget* parent) : QWidget(parent), TWidgetControl(*this, QSize(177, 177))
    {
        SetCursor(crArrow);
        ApplyTabStop(*this, m_tabStop);
    }

    // Puts the kind's content into a newly built edit, before the look.
    virtual void FillEdit(TEdit& edit) = 0;
    TEdit* BuiltEdit() const { return m_edit; }

    bool event(QEvent* event) override
    {
        const bool handled = QWidget::event(event);
        // The children are polished after their parent, the new edit too.
        if (event->type() == QEvent::Polish) BuildEdit();
        return handled;
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (m_edit) m_edit->setGeometry(rect());
    }
    void ApplyCursor() override
    {
        if (m_edit) ApplyPanelCursor();
    }

private:
    // The edit forwards its clicks and mouse-enter to the panel's events.
    class TInnerEdit final : public TEdit {
    public:
        explicit TInnerEdit(TTextPanel& panel) : TEdit(&panel), m_panel(panel) {}

    protected:
        void mousePressEvent(QMouseEvent* event) override
        {
            TEdit::mousePressEvent(event);
            m_panel.m_click.Press(*event);
        }
        void mouseReleaseEvent(QMouseEvent* event) override
        {
            TEdit::mouseReleaseEvent(event);
            // Mouse events arrive from the viewport, in its coordinates.
            if (m_panel.m_click.Release(*event, this->viewport()->rect()))
                FireControlEvent(m_panel.OnClick, m_panel);
        }
        void enterEvent(QEnterEvent* event) override
        {
            TEdit::enterEvent(event);
            FireControlEvent(m_panel.OnMouseEnterHook, m_panel);
        }

    private:
        TTextPanel& m_panel;
    };

    void BuildEdit()
    {
        if (m_edit) return;
        auto* edit = new TInnerEdit(*this);
        m_edit = edit;
        edit->setReadOnly(true);
        edit->setGeometry(rect());
        FillEdit(*edit);
        ApplyFont(*edit);
        ApplyTextAlignment(*edit->document(), m_alignment);
        ApplyWordWrap(*edit);
        ApplyScrollBars(*edit, m_scrollBars);
        ApplyBorderStyle(*edit, m_borderStyle);
        ApplyPanelCursor();
        // The edit takes the focus for the panel, in the panel's place in
        // the tab order rather than at the end where a new child goes.
        ApplyTabStop(*edit, m_tabStop);
        QWidget::setTabOrder(this, edit);
        setFocusProxy(edit);
        // A child added to a widget already on screen is not shown with it.
        if (isVisible()) edit->show();
    }
    // The panel's cursor shows over the edit's frame and bars, the
    // viewport's over the text; without the edit neither is seen.
    void ApplyPanelCursor()
    {
        ApplyCursorShape(*this, Cursor());
        ApplyCursorShape(*m_edit->viewport(), Cursor());
    }
    void ApplyFont(TEdit& edit) const
    {
        ApplyTextColors(edit, m_font, m_color);
        edit.document()->setDefaultFont(ToQFont(m_font));
    }
    void ApplyWordWrap(TEdit& edit) const { edit.setLineWrapMode(m_wordWrap ? TEdit::WidgetWidth : TEdit::NoWrap); }

    TEdit* m_edit = nullptr; // a child of the panel
    TVoFont m_font;
    quint8 m_alignment = 0;
    bool m_wordWrap = true;
    quint8 m_scrollBars = 2;
    TColor m_color = clWindow;
    quint8 m_borderStyle = 1;
    bool m_tabStop = false;
    TClickTracker m_click;
};
