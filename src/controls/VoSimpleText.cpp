// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoSimpleText.h"

#include "controls/DesignOutline.h"
#include "controls/KindRecord.h"
#include "controls/TextControlLook.h"
#include "model/ErrorReports.h"
#include "model/VoStream.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int kWriteCode = 4005;
constexpr int kReadCode = 4006;
} // namespace

TVoSimpleText::TVoSimpleText(QWidget* parent)
    : QWidget(parent), TWidgetControl(*this, QSize(177, 177))
{
}

void TVoSimpleText::SetCaption(const QString& caption)
{
    if (caption == m_caption) return;
    m_caption = caption;
    update();
}

void TVoSimpleText::SetFont(const TVoFont& font)
{
    if (font == m_font) return;
    m_font = font;
    update();
}

void TVoSimpleText::SetAlignment(quint8 alignment)
{
    if (alignment == m_alignment) return;
    m_alignment = alignment;
    update();
}

void TVoSimpleText::SetLayout(quint8 layout)
{
    if (layout == m_layout) return;
    m_layout = layout;
    update();
}

void TVoSimpleText::SetColor(TColor color)
{
    if (color == m_color) return;
    m_color = color;
    update();
}

void TVoSimpleText::SetTransparent(bool transparent)
{
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    // An opaque label fills its whole area, so nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TVoSimpleText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // An opaque face covers the outline again; it shows on a transparent label.
    DrawDesignOutline(painter, size());
    const QPalette system = QApplication::palette(this);
    if (!m_transparent) painter.fillRect(rect(), ColorToQColor(m_color, system));
    painter.setFont(ToQFont(m_font));
    painter.setPen(ColorToQColor(m_font.Color, system));
    const int flags = int(HorizontalAlignment(m_alignment) | VerticalAlignment(m_layout)) |
                      Qt::TextWordWrap;
    painter.drawText(rect(), flags, m_caption);
}

void TVoSimpleText::mousePressEvent(QMouseEvent* event)
{
    m_click.Press(*event);
}

void TVoSimpleText::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.Release(*event, rect())) FireControlEvent(OnClick, *this);
}

void TVoSimpleText::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FireControlEvent(OnMouseEnter, *this);
}

bool TVoSimpleText::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteTextHead(stream, {m_caption, m_font, Hint(), Cursor()})) return false;
        stream.WriteU8(m_alignment);
        stream.WriteU8(m_layout);
        stream.WriteU32(m_color);
        stream.WriteBool(m_transparent);
        return true;
    });
}

bool TVoSimpleText::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        TTextHead head{QString(), m_font, QString(), crDefault};
        if (!ReadTextHead(stream, head)) return false;
        SetCaption(head.text);
        SetFont(head.font);
        SetHint(head.hint);
        SetCursor(head.cursor);
        SetAlignment(stream.ReadU8());
        SetLayout(stream.ReadU8());
        SetColor(stream.ReadU32());
        SetTransparent(stream.ReadBool());
        return true;
    });
}
