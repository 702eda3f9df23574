// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/EditedPicture.h"

#include "model/GraphicClasses.h"
#include "model/Picture.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int kPaletteColorType = 3;

QImage DrawnOn(const TGraphic& graphic, QRgb background)
{
    QImage image(graphic.Size(), QImage::Format_RGB32);
    if (image.isNull()) throw std::bad_alloc();
    image.fill(background);
    QPainter painter(&image);
    graphic.Draw(painter, QRectF(QPointF(0, 0), QSizeF(graphic.Size())));
    return image;
}

std::unique_ptr<TGraphic> ReadBack(const TGraphic& graphic)
{
    std::unique_ptr<TGraphic> copy = NewGraphic(graphic.Kind());
    copy->LoadFromBytes(graphic.SaveToBytes());
    return copy;
}

} // namespace

QImage AlphaFromBlackAndWhite(const TGraphic& graphic)
{
    const QImage onBlack = DrawnOn(graphic, qRgb(0, 0, 0));
    const QImage onWhite = DrawnOn(graphic, qRgb(255, 255, 255));
    QImage result(graphic.Size(), QImage::Format_ARGB32);
    if (result.isNull()) throw std::bad_alloc();
    for (int y = 0; y < result.height(); ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            // On black a pixel of alpha a shows a*c, on white a*c + (1-a)*255:
            // the difference is what the background adds.
            const int difference = std::max({std::abs(qRed(white[x]) - qRed(black[x])),
                                              std::abs(qGreen(white[x]) - qGreen(black[x])),
                                              std::abs(qBlue(white[x]) - qBlue(black[x]))});
            const int alpha = 255 - difference;
            if (alpha == 0) {
                out[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto unblend = [alpha](int premultiplied) { return std::min(255, (premultiplied * 255 + alpha / 2) / alpha); };
            out[x] = qRgba(unblend(qRed(black[x])), unblend(qGreen(black[x])), unblend(qBlue(black[x])), alpha);
        }
    }
    return result;
}

void SettleEditedPicture(TPicture& picture)
{
    if (picture.Empty()) return;
    std::unique_ptr<TGraphic> graphic = ReadBack(*ReadBack(*picture.Graphic()));
    if (graphic->ToImage().isNull()) throw std::runtime_error("the picture cannot be decoded");
    if (graphic->Kind() == GraphicKind::Png &&
        static_cast<const TPNGObject&>(*graphic).ColorType() == kPaletteColorType) {
        auto rgba = std::make_unique<TPNGObject>();
        rgba->Assign(AlphaFromBlackAndWhite(*graphic));
        graphic = std::move(rgba);
    }
    picture.SetGraphic(std::move(graphic));
}
