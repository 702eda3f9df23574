// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/WidgetControl.h"
#include "model/Color.h"
#include "model/VoFont.h"

#include <QPlainTextEdit>

// Kind 3: a read-only box of plain text with scroll bars.
class TVoTextBox final : public QPlainTextEdit, public TWidgetControl {
public:
    explicit TVoTextBox(QWidget* parent = nullptr);

    // The whole text, lines separated by CR LF, nothing after the last line.
    QString Text() const;
    // Replaces the whole text; CR LF, a lone CR and a lone LF each end a line.
    void SetText(const QString& text);

    const TVoFont& Font() const { return m_font; }
    void SetFont(const TVoFont& font);
    // taLeftJustify, taRightJustify or taCenter.
    quint8 Alignment() const { return m_alignment; }
    void SetAlignment(quint8 alignment);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    // ssNone, ssHorizontal, ssVertical or ssBoth; a chosen bar always shows.
    quint8 ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(quint8 scrollBars);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // tbsNone or tbsSingle.
    quint8 BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(quint8 borderStyle);
    // Whether the Tab key reaches the box; a click always focuses it.
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

    bool WriteKindRecord(TVoStream& stream) const override; // code 4011
    bool ReadKindRecord(TVoStream& stream) override;        // code 4012

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    TVoFont m_font;
    quint8 m_alignment = 0;
    bool m_wordWrap = true;
    quint8 m_scrollBars = 2;
    TColor m_color;
    quint8 m_borderStyle = 1;
    bool m_tabStop = false;
    TClickTracker m_click;
};
