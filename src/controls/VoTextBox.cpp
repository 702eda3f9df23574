// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoTextBox.h"

#include "controls/KindRecord.h"
#include "controls/TextControlLook.h"
#include "model/ErrorReports.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

#include <QStringList>
#include <QTextBlock>

namespace {
constexpr int kWriteCode = 4011;
constexpr int kReadCode = 4012;
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

TVoTextBox::TVoTextBox(QWidget* parent)
    : QPlainTextEdit(parent), TWidgetControl(*this, QSize(177, 177)), m_color(clWindow)
{
    setReadOnly(true);
    SetCursor(crArrow);
    ApplyTabStop(*this, m_tabStop);
    ApplyScrollBars(*this, m_scrollBars);
    ApplyBorderStyle(*this, m_borderStyle);
    ApplyTextColors(*this, m_font, m_color);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString TVoTextBox::Text() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines.join(kLineBreak);
}

void TVoTextBox::SetText(const QString& text)
{
    // Each line becomes one block; the CR of a CR LF does not start another.
    QString lines = text;
    lines.replace(kLineBreak, QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
}

void TVoTextBox::SetFont(const TVoFont& font)
{
    m_font = font;
    ApplyTextColors(*this, m_font, m_color);
}

void TVoTextBox::SetAlignment(quint8 alignment)
{
    m_alignment = alignment;
    ApplyTextAlignment(*document(), alignment);
}

void TVoTextBox::SetWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TVoTextBox::SetScrollBars(quint8 scrollBars)
{
    m_scrollBars = scrollBars;
    ApplyScrollBars(*this, scrollBars);
}

void TVoTextBox::SetColor(TColor color)
{
    m_color = color;
    ApplyTextColors(*this, m_font, m_color);
}

void TVoTextBox::SetBorderStyle(quint8 borderStyle)
{
    m_borderStyle = borderStyle;
    ApplyBorderStyle(*this, borderStyle);
}

void TVoTextBox::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    ApplyTabStop(*this, tabStop);
}

void TVoTextBox::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    m_click.Press(*event);
}

void TVoTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    // Mouse events arrive from the viewport, in its coordinates.
    if (m_click.Release(*event, viewport()->rect())) FireControlEvent(OnClick, *this);
}

void TVoTextBox::enterEvent(QEnterEvent* event)
{
    QPlainTextEdit::enterEvent(event);
    FireControlEvent(OnMouseEnterHook, *this);
}

bool TVoTextBox::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteString(stream, Text()) || !WriteFont(stream, m_font) ||
            !WriteString(stream, Hint()))
            return false;
        stream.WriteI16(Cursor());
        stream.WriteU8(m_alignment);
        stream.WriteBool(m_wordWrap);
        stream.WriteU8(m_scrollBars);
        stream.WriteU32(m_color);
        stream.WriteU8(m_borderStyle);
        stream.WriteBool(m_tabStop);
        return true;
    });
}

bool TVoTextBox::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        QString text;
        if (!ReadString(stream, text)) return false;
        SetText(text);
        TVoFont font = m_font;
        const bool ok = ReadFont(stream, font);
        SetFont(font);
        if (!ok) return false;
        if (!ReadString(stream, text)) return false;
        SetHint(text);
        SetCursor(stream.ReadI16());
        SetAlignment(stream.ReadU8());
        SetWordWrap(stream.ReadBool());
        SetScrollBars(stream.ReadU8());
        SetColor(stream.ReadU32());
        SetBorderStyle(stream.ReadU8());
        SetTabStop(stream.ReadBool());
        return true;
    });
}
