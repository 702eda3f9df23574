// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/BackgroundPainter.h"

#include "player/Gradient.h"

#include <QPainter>
#include <QRectF>

namespace {

void PaintColorOrGradient(QImage& surface, TColor color, int gradientStyle, TColor gradientColor,
                          const QPalette& palette)
{
    // A style GradientFill does not know would leave the surface as it was,
    // so it takes the plain colour like style 0.
    if (gradientStyle >= gsTopBottom && gradientStyle <= gsLeftRightMiddle)
        GradientFill(surface, gradientStyle, color, gradientColor, palette);
    else
        surface.fill(ColorToQColor(color, palette));
}

// Columns 0 to W div w and rows 0 to H div h, so partial tiles fill the
// right and bottom edges.
void PaintTiles(QPainter& painter, const TGraphic& graphic, int surfaceW, int surfaceH)
{
    const int w = graphic.Width();
    const int h = graphic.Height();
    if (graphic.Kind() != GraphicKind::Metafile) {
        // A pixel graphic whose image has its own size draws unscaled in
        // every tile, which a texture brush anchored at (0, 0) does in one
        // pass: a tiny picture on a large surface would otherwise take
        // millions of draws.
        const QImage pixels = graphic.ToImage();
        if (pixels.isNull()) return;
        if (pixels.size() == QSize(w, h)) {
            painter.setBrushOrigin(0, 0);
            painter.fillRect(QRect(0, 0, surfaceW, surfaceH), QBrush(pixels));
            return;
        }
    }
    for (int c = 0; c <= surfaceW / w; ++c)
        for (int r = 0; r <= surfaceH / h; ++r) graphic.Draw(painter, QRectF(c * w, r * h, w, h));
}

void PaintPicture(QImage& surface, const TPicture& image, int imageStyle)
{
    const TGraphic* graphic = image.Graphic();
    const int w = image.Width();
    const int h = image.Height();
    if (image.Empty() || w <= 0 || h <= 0) return;
    const int surfaceW = surface.width();
    const int surfaceH = surface.height();
    QPainter painter(&surface);
    if (!painter.isActive()) return;
    switch (imageStyle) {
    case isNormal:
        graphic->Draw(painter, QRectF(0, 0, w, h));
        break;
    case isCenter:
        // C++ division truncates toward zero, so a larger picture is cut
        // equally on both sides (the odd pixel on the right).
        graphic->Draw(painter, QRectF((surfaceW - w) / 2, (surfaceH - h) / 2, w, h));
        break;
    case isStretch:
        graphic->Draw(painter, QRectF(0, 0, surfaceW, surfaceH));
        break;
    case isTile:
        PaintTiles(painter, *graphic, surfaceW, surfaceH);
        break;
    default:
        break;
    }
}

void PaintGrid(QImage& surface, const TGridDisplay& grid)
{
    if (!grid.visible || grid.sizeX <= 0 || grid.sizeY <= 0) return;
    const int w = surface.width();
    const int h = surface.height();
    const QColor black(Qt::black);
    // Columns 0 to W div gx inclusive; the last one falls just outside the
    // surface when gx divides W, so the loops stop at the edge.
    for (int x = 0; x < w; x += grid.sizeX)
        for (int y = 0; y < h; y += grid.sizeY) surface.setPixelColor(x, y, black);
}

void PaintLayers(QImage& surface, TColor color, int gradientStyle, TColor gradientColor,
                 const TPicture& image, int imageStyle, const QPalette& palette)
{
    PaintColorOrGradient(surface, color, gradientStyle, gradientColor, palette);
    PaintPicture(surface, image, imageStyle);
}

} // namespace

void PaintBackground(QImage& surface, const TProjectSettings& s, const TGridDisplay& grid,
                     const QPalette& palette)
{
    if (surface.isNull()) return;
    PaintLayers(surface, s.BackColor, s.GradientStyle, s.GradientColor, s.BackImage, s.BackImageStyle,
                palette);
    PaintGrid(surface, grid);
}

void PaintBackdrop(QImage& surface, TColor color, int gradientStyle, TColor gradientColor,
                   const TPicture& image, int imageStyle, const QPalette& palette)
{
    if (surface.isNull()) return;
    PaintLayers(surface, color, gradientStyle, gradientColor, image, imageStyle, palette);
}
