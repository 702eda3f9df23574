// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageGeometry.h"

QRect ImageDestRect(QSize picture, QSize client, bool stretch, bool proportional, bool center)
{
    int w = picture.width();
    int h = picture.height();
    const int cw = client.width();
    const int ch = client.height();
    if (stretch || (proportional && (cw < w || ch < h))) {
        if (proportional && w > 0 && h > 0) {
            const double r = double(w) / double(h);
            if (w > h) {
                h = int(cw / r);
                w = cw;
                if (ch < h) {
                    w = int(r * ch);
                    h = ch;
                }
            } else {
                w = int(r * ch);
                h = ch;
                if (cw < w) {
                    h = int(cw / r);
                    w = cw;
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect rect(0, 0, w, h);
    if (center) rect.translate((cw - w) / 2, (ch - h) / 2);
    return rect;
}
