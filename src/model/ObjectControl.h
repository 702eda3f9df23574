// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>

struct TVoObject;
class TVoStream;

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

    // The kind record of the control's class: version 0 and the kind's
    // fields in their stored order. Each reports its own failure once and
    // returns false.
    virtual bool WriteKindRecord(TVoStream& stream) const = 0;
    virtual bool ReadKindRecord(TVoStream& stream) = 0;

    // The entry that owns this control, so event handlers can find it.
    TVoObject* Entry = nullptr;
};
