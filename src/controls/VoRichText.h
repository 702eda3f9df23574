// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/ClickTracker.h"
#include "controls/ControlEvents.h"
#include "controls/WidgetControl.h"
#include "model/Color.h"
#include "model/VoFont.h"

#include <QTextEdit>

// Kind 4: a read-only panel showing an RTF file of the project. The file
// is shown only in the player; in the studio the panel stays empty.
class TVoRichText final : public QTextEdit, public TWidgetControl {
public:
    explicit TVoRichText(QWidget* parent = nullptr);

    // Relative to the project folder. In the player, setting it loads the
    // file, or empties the panel when there is no such file.
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName);

    const TVoFont& Font() const { return m_font; }
    void SetFont(const TVoFont& font);
    // taLeftJustify, taRightJustify or taCenter, for paragraphs that do not
    // choose their own.
    quint8 Alignment() const { return m_alignment; }
    void SetAlignment(quint8 alignment);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    // Kept with the project; the file is read the same way either way.
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool plainText) { m_plainText = plainText; }
    // ssNone, ssHorizontal, ssVertical or ssBoth; a chosen bar always shows.
    quint8 ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(quint8 scrollBars);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // tbsNone or tbsSingle.
    quint8 BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(quint8 borderStyle);
    // Whether the Tab key reaches the panel; a click always focuses it.
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

    bool WriteKindRecord(TVoStream& stream) const override; // code 4009
    bool ReadKindRecord(TVoStream& stream) override;        // code 4010

    TControlEvent OnClick;
    TControlEvent OnMouseEnterHook;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QString m_fileName;
    TVoFont m_font;
    quint8 m_alignment = 0;
    bool m_wordWrap = true;
    bool m_plainText = false;
    quint8 m_scrollBars = 2;
    TColor m_color;
    quint8 m_borderStyle = 1;
    bool m_tabStop = false;
    TClickTracker m_click;
};
