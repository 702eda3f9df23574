// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ButtonLayout.h"

#include <algorithm>

namespace {

// The caption's corner when the button shows no image.
QPoint TextAlone(int layout, int m, int s, int w, int h, int tw, int th)
{
    switch (layout) {
    case blLeft:
        return {w - m < m + s + tw ? w - m - tw : m + s, (h - th) / 2};
    case blTop:
        return {(w - tw) / 2, h - m < m + s + th ? h - m - th : m + s};
    case blRight:
        return {std::max(w - m - s - tw, m), (h - th) / 2};
    case blBottom:
        return {(w - tw) / 2, std::max(h - m - s - th, m)};
    default:
        return {(w - tw) / 2, (h - th) / 2 + s};
    }
}

} // namespace

TButtonLayout ComputeButtonLayout(int layout, int margin, int spacing, int offset, QSize button,
                                  QSize image, QSize text)
{
    const int m = margin, s = spacing, w = button.width(), h = button.height();
    // A missing caption takes no room.
    const int tw = text.isEmpty() ? 0 : text.width();
    const int th = text.isEmpty() ? 0 : text.height();

    TButtonLayout result;
    result.textClip = QRect(QPoint(m, m), QPoint(w - m - 1, h - m - 1));
    QPoint t = TextAlone(layout, m, s, w, h, tw, th);

    if (!image.isEmpty()) {
        const int iw = image.width(), ih = image.height();
        QPoint i;
        switch (layout) {
        case blLeft:
            i = {m, (h - ih) / 2};
            t.setX(i.x() + iw + s);
            if (w - m < t.x() + tw) t.setX(w - m - tw);
            break;
        case blTop:
            i = {(w - iw) / 2, m};
            t.setY(i.y() + ih + s);
            if (h - m < t.y() + th) t.setY(h - m - th);
            break;
        case blRight:
            i = {w - m - iw, (h - ih) / 2};
            t.setX(std::max(i.x() - tw - s, m));
            break;
        case blBottom:
            i = {(w - iw) / 2, h - m - ih};
            t.setY(std::max(i.y() - s - th, m));
            break;
        case blStretch:
            break;
        default:
            i = {(w - iw) / 2, (h - ih) / 2};
            break;
        }
        result.image = layout == blStretch ? QRect(QPoint(m, m), QPoint(w - m - 1, h - m - 1))
                                           : QRect(i, image);
        result.image.translate(offset, offset);
    }
    result.text = t + QPoint(offset, offset);
    return result;
}
