// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Graphic.h"

#include <memory>

// A picture: empty, or one graphic that it owns. Copies are deep.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture& other);
    TPicture& operator=(const TPicture& other);
    TPicture(TPicture&&) noexcept = default;
    TPicture& operator=(TPicture&&) noexcept = default;

    TGraphic* Graphic() const { return m_graphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic) { m_graphic = std::move(graphic); }
    void Clear() { m_graphic.reset(); }
    // No graphic, or one without content.
    bool Empty() const { return !m_graphic || m_graphic->Empty(); }
    int Width() const { return m_graphic ? m_graphic->Width() : 0; }
    int Height() const { return m_graphic ? m_graphic->Height() : 0; }

private:
    std::unique_ptr<TGraphic> m_graphic;
};

// The text shown for a picture's graphic: "None" when there is none or it
// is empty, "PNGImage" for PNG, else the class name without its first
// letter ("Bitmap", "Icon", "Metafile", "JPEGImage", "GIFImage").
QString PictureKindText(const TGraphic* graphic);
