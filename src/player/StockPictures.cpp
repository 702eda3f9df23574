// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/StockPictures.h"

#include "model/GraphicClasses.h"
#include "model/StreamError.h"

#include <QFile>

TPicture StockPicture(int number)
{
    TPicture picture;
    QFile file(QStringLiteral(":/stock/Image%1.png").arg(number));
    if (number < 1 || number > 3 || !file.open(QIODevice::ReadOnly)) return picture;
    auto png = NewGraphic(GraphicKind::Png);
    png->LoadFromBytes(file.readAll());
    picture.SetGraphic(std::move(png));
    return picture;
}
