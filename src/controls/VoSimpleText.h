// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/WidgetControl.h"
#include "model/Color.h"
#include "model/VoFont.h"

#include <QWidget>

// Kind 2: a caption drawn straight on the menu, word-wrapped inside the
// control's area. Ampersands are drawn as they are.
class TVoSimpleText final : public QWidget, public TWidgetControl {
public:
    explicit TVoSimpleText(QWidget* parent = nullptr);

    // Every setter repaints when the value changes.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // Drawn in the font's colour.
    const TVoFont& Font() const { return m_font; }
    void SetFont(const TVoFont& font);
    // taLeftJustify, taRightJustify or taCenter.
    quint8 Alignment() const { return m_alignment; }
    void SetAlignment(quint8 alignment);
    // tlTop, tlCenter or tlBottom.
    quint8 Layout() const { return m_layout; }
    void SetLayout(quint8 layout);
    // The face behind the caption, painted unless Transparent.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);

    bool WriteKindRecord(TVoStream& stream) const override; // code 4005
    bool ReadKindRecord(TVoStream& stream) override;        // code 4006

    TControlEvent OnClick;
    TControlEvent OnMouseEnter;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QString m_caption;
    TVoFont m_font;
    quint8 m_alignment = 0;
    quint8 m_layout = 0;
    TColor m_color = clBtnFace;
    bool m_transparent = true;
    TClickTracker m_click;
};
