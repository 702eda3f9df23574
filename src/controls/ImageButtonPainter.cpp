// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageButtonPainter.h"

#include "controls/ButtonLayout.h"
#include "controls/DesignOutline.h"
#include "controls/GraphicDrawing.h"
#include "controls/ImageButtonFace.h"
#include "controls/VoImageButton.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// How far the content moves while the button is held down.
constexpr int kDownSlideOffset = 2;

bool ShowsOutline(quint8 style)
{
    return style == btsNormalFlat || style == btsThemesFlat || style == btsTransparent;
}

struct TCaptionLook {
    QFont font;
    QColor color;
};

// A disabled button keeps the widget's own font and text colour; an enabled
// one lights up with the mouse-over font while it is up and under the mouse.
TCaptionLook CaptionLook(const TVoImageButton& button, bool up)
{
    const QPalette& palette = button.palette();
    if (!button.isEnabled())
        return {button.font(), palette.color(QPalette::Active, QPalette::WindowText)};
    const TVoFont& font =
        up && button.MouseInside() ? button.MouseOverFont() : button.NormalFont();
    return {ToQFont(font), ColorToQColor(font.Color, palette)};
}

// The graphic to show, or none when the chosen picture is empty.
const TGraphic* ShownGraphic(const TVoImageButton& button, bool up)
{
    const bool overImage = up && button.MouseInside() && !button.MouseOverImage().Empty();
    const TPicture& picture = overImage ? button.MouseOverImage() : button.NormalImage();
    return picture.Empty() ? nullptr : picture.Graphic();
}

void PaintContent(QPainter& painter, const TVoImageButton& button, bool up)
{
    const bool pressed = button.Down();
    const int offset = pressed && button.DownSlide() ? kDownSlideOffset : 0;
    const TGraphic* graphic = ShownGraphic(button, up);
    const TCaptionLook look = CaptionLook(button, up);
    const QString& caption = button.Caption();
    const QFontMetrics metrics(look.font);
    const QSize textSize =
        caption.isEmpty() ? QSize() : QSize(metrics.horizontalAdvance(caption), metrics.height());

    const TButtonLayout layout =
        ComputeButtonLayout(button.ImageLayout(), button.Margin(), button.Spacing(), offset,
                            button.size(), graphic ? graphic->Size() : QSize(), textSize);

    if (graphic && !layout.image.isEmpty())
        DrawGraphic(painter, *graphic, QRectF(layout.image), true);

    if (caption.isEmpty() || layout.textClip.isEmpty()) return;
    painter.save();
    painter.setClipRect(layout.textClip, Qt::IntersectClip);
    painter.setFont(look.font);
    painter.setPen(look.color);
    painter.drawText(QRect(layout.text, textSize),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, caption);
    painter.restore();
}

} // namespace

void PaintImageButton(QPainter& painter, const TVoImageButton& button)
{
    const bool enabled = button.isEnabled();
    const bool up = enabled && !button.Down();
    const quint8 style = button.ButtonStyle();
    DrawButtonFace(painter, button, style,
                   {enabled, button.Down(), button.MouseInside(), button.Flat()});
    if (ShowsOutline(style)) DrawDesignOutline(painter, button.size());
    PaintContent(painter, button, up);
}
