// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/Picture.h"

TPicture::TPicture(const TPicture& other)
    : m_graphic(other.m_graphic ? other.m_graphic->Clone() : nullptr)
{
}

TPicture& TPicture::operator=(const TPicture& other)
{
    if (this != &other) m_graphic = other.m_graphic ? other.m_graphic->Clone() : nullptr;
    return *this;
}

QString PictureKindText(const TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return QStringLiteral("None");
    if (graphic->Kind() == GraphicKind::Png) return QStringLiteral("PNGImage");
    return graphic->ClassName().mid(1);
}
