// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoRichText.h"

#include "controls/KindRecord.h"
#include "controls/RtfReader.h"
#include "controls/TextControlLook.h"
#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

#include <QFileInfo>
#include <QTextCursor>

namespace {
constexpr int kWriteCode = 4009;
constexpr int kReadCode = 4010;
} // namespace

TVoRichText::TVoRichText(QWidget* parent)
    : QTextEdit(parent), TWidgetControl(*this, QSize(177, 177)), m_color(clWindow)
{
    setReadOnly(true);
    SetCursor(crArrow);
    ApplyTabStop(*this, m_tabStop);
    ApplyScrollBars(*this, m_scrollBars);
    ApplyBorderStyle(*this, m_borderStyle);
    ApplyTextColors(*this, m_font, m_color);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void TVoRichText::SetFileName(const QString& fileName)
{
    m_fileName = fileName;
    if (IsStudio) return;
    const QString path = ResolveProjectPath(ProjectFolder, fileName);
    if (!path.isEmpty() && QFileInfo(path).isFile())
        LoadRichTextFile(*document(), path);
    else
        clear();
    // A file is read from its beginning, not from where the text ended.
    moveCursor(QTextCursor::Start);
}

void TVoRichText::SetFont(const TVoFont& font)
{
    m_font = font;
    ApplyTextColors(*this, m_font, m_color);
    document()->setDefaultFont(ToQFont(m_font));
}

void TVoRichText::SetAlignment(quint8 alignment)
{
    m_alignment = alignment;
    ApplyTextAlignment(*document(), alignment);
}

void TVoRichText::SetWordWrap(bool wordWrap)
{
    m_wordWrap = wordWrap;
    setLineWrapMode(wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TVoRichText::SetScrollBars(quint8 scrollBars)
{
    m_scrollBars = scrollBars;
    ApplyScrollBars(*this, scrollBars);
}

void TVoRichText::SetColor(TColor color)
{
    m_color = color;
    ApplyTextColors(*this, m_font, m_color);
}

void TVoRichText::SetBorderStyle(quint8 borderStyle)
{
    m_borderStyle = borderStyle;
    ApplyBorderStyle(*this, borderStyle);
}

void TVoRichText::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    ApplyTabStop(*this, tabStop);
}

void TVoRichText::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    m_click.Press(*event);
}

void TVoRichText::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    // Mouse events arrive from the viewport, in its coordinates.
    if (m_click.Release(*event, viewport()->rect())) FireControlEvent(OnClick, *this);
}

void TVoRichText::enterEvent(QEnterEvent* event)
{
    QTextEdit::enterEvent(event);
    FireControlEvent(OnMouseEnterHook, *this);
}

bool TVoRichText::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteString(stream, m_fileName) || !WriteFont(stream, m_font) ||
            !WriteString(stream, Hint()))
            return false;
        stream.WriteI16(Cursor());
        stream.WriteU8(m_alignment);
        stream.WriteBool(m_wordWrap);
        stream.WriteBool(m_plainText);
        stream.WriteU8(m_scrollBars);
        stream.WriteU32(m_color);
        stream.WriteU8(m_borderStyle);
        stream.WriteBool(m_tabStop);
        return true;
    });
}

bool TVoRichText::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        QString text;
        if (!ReadString(stream, text)) return false;
        SetFileName(text);
        TVoFont font = m_font;
        const bool ok = ReadFont(stream, font);
        SetFont(font);
        if (!ok) return false;
        if (!ReadString(stream, text)) return false;
        SetHint(text);
        SetCursor(stream.ReadI16());
        SetAlignment(stream.ReadU8());
        SetWordWrap(stream.ReadBool());
        SetPlainText(stream.ReadBool());
        SetScrollBars(stream.ReadU8());
        SetColor(stream.ReadU32());
        SetBorderStyle(stream.ReadU8());
        SetTabStop(stream.ReadBool());
        return true;
    });
}
