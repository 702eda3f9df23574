// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>

struct TVoObject;

// What the model needs of an object's visual control. The control classes
// implement it; the model owns controls through it and never sees a widget.
class TVoControl {
public:
    virtual ~TVoControl() = default;

    // Position and size relative to the client area of the menu window.
    virtual QRect Bounds() const = 0;
    virtual void SetBounds(const QRect& bounds) = 0;

    int Left() const { return Bounds().left(); }
    int Top() const { return Bounds().top(); }
    int Width() const { return Bounds().width(); }
    int Height() const { return Bounds().height(); }

    // The entry that owns this control, so event handlers can find it.
    TVoObject* Entry = nullptr;
};
