// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoImageButton.h"

#include "controls/ImageButtonPainter.h"
#include "controls/KindRecord.h"
#include "model/ErrorReports.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

#include <QPainter>

namespace {

constexpr int kWriteCode = 4001;
constexpr int kReadCode = 4002;

bool IsFlatStyle(quint8 style)
{
    return style == btsNormalFlat || style == btsThemesFlat || style == btsTransparent;
}

} // namespace

TVoImageButton::TVoImageButton(QWidget* parent)
    : QWidget(parent), TWidgetControl(*this, QSize(89, 33)), m_caption(QStringLiteral("New ImageButton"))
{
    setFocusPolicy(Qt::NoFocus);
    m_normalFont.Color = clBlack;
    m_mouseOverFont.Color = clBlue;
}

void TVoImageButton::SetCaption(const QString& caption)
{
    if (caption == m_caption) return;
    m_caption = caption;
    update();
}

void TVoImageButton::SetNormalFont(const TVoFont& font)
{
    if (font == m_normalFont) return;
    m_normalFont = font;
    update();
}

void TVoImageButton::SetMouseOverFont(const TVoFont& font)
{
    if (font == m_mouseOverFont) return;
    m_mouseOverFont = font;
    update();
}

void TVoImageButton::SetNormalImage(const TPicture& picture)
{
    m_normalImage = picture;
    update();
}

void TVoImageButton::SetNormalImage(TPicture&& picture)
{
    m_normalImage = std::move(picture);
    update();
}

void TVoImageButton::SetMouseOverImage(const TPicture& picture)
{
    m_mouseOverImage = picture;
    update();
}

void TVoImageButton::SetMouseOverImage(TPicture&& picture)
{
    m_mouseOverImage = std::move(picture);
    update();
}

void TVoImageButton::SetButtonStyle(quint8 style)
{
    if (style == m_buttonStyle) return;
    m_buttonStyle = style;
    SetFlat(IsFlatStyle(style));
    update();
}

void TVoImageButton::SetImageLayout(quint8 layout)
{
    if (layout == m_imageLayout) return;
    m_imageLayout = layout;
    update();
}

void TVoImageButton::SetMargin(int margin)
{
    if (margin == m_margin) return;
    m_margin = margin;
    update();
}

void TVoImageButton::SetSpacing(int spacing)
{
    if (spacing == m_spacing) return;
    m_spacing = spacing;
    update();
}

void TVoImageButton::SetDownSlide(bool downSlide)
{
    if (downSlide == m_downSlide) return;
    m_downSlide = downSlide;
    update();
}

void TVoImageButton::SetFlat(bool flat)
{
    if (flat == m_flat) return;
    m_flat = flat;
    update();
}

void TVoImageButton::ClearMouseInside()
{
    m_mouseInside = false;
    update();
}

void TVoImageButton::SetDown(bool down)
{
    if (down == m_down) return;
    m_down = down;
    update();
}

void TVoImageButton::paintEvent(QPaintEvent*)
{
    // Nothing fills the background first, so the parent's surface shows
    // wherever the style leaves the face open.
    QPainter painter(this);
    PaintImageButton(painter, *this);
}

void TVoImageButton::mousePressEvent(QMouseEvent* event)
{
    m_click.Press(*event);
    if (m_click.Pressed()) SetDown(true);
}

void TVoImageButton::mouseMoveEvent(QMouseEvent* event)
{
    // While the button is held the face pops up outside and down again inside.
    if (m_click.Pressed()) SetDown(rect().contains(event->position().toPoint()));
}

void TVoImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_click.Release(*event, rect())) {
        if (!m_click.Pressed()) SetDown(false);
        return;
    }
    SetDown(false);
    FireControlEvent(OnClick, *this);
}

void TVoImageButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    m_mouseInside = true;
    update();
    FireControlEvent(OnMouseEnterHook, *this);
}

void TVoImageButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_mouseInside = false;
    update();
}

bool TVoImageButton::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteString(stream, m_caption) || !WriteFont(stream, m_normalFont) ||
            !WriteFont(stream, m_mouseOverFont) || !WritePicture(stream, m_normalImage) ||
            !WritePicture(stream, m_mouseOverImage) || !WriteString(stream, Hint()))
            return false;
        stream.WriteI16(Cursor());
        stream.WriteU8(m_buttonStyle);
        stream.WriteI32(m_margin);
        stream.WriteU8(m_imageLayout);
        stream.WriteI32(m_spacing);
        stream.WriteBool(m_downSlide);
        return true;
    });
}

bool TVoImageButton::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        QString text;
        if (!ReadString(stream, text)) return false;
        SetCaption(text);

        TVoFont font = m_normalFont;
        bool ok = ReadFont(stream, font);
        SetNormalFont(font);
        if (!ok) return false;
        font = m_mouseOverFont;
        ok = ReadFont(stream, font);
        SetMouseOverFont(font);
        if (!ok) return false;

        TPicture picture;
        ok = ReadPicture(stream, picture);
        SetNormalImage(std::move(picture));
        if (!ok) return false;
        picture = TPicture();
        ok = ReadPicture(stream, picture);
        SetMouseOverImage(std::move(picture));
        if (!ok) return false;

        if (!ReadString(stream, text)) return false;
        SetHint(text);
        SetCursor(stream.ReadI16());
        SetButtonStyle(stream.ReadU8());
        // The layout values are taken as they are, without a repaint each.
        m_margin = stream.ReadI32();
        m_imageLayout = stream.ReadU8();
        m_spacing = stream.ReadI32();
        m_downSlide = stream.ReadBool();
        return true;
    });
}
