// SPDX-License-Identifier: GPL-2.0-or-later
// On Windows the colour key is the system's own: a layered window keyed on
// the colour, which is see-through and click-through wherever the window
// shows that colour, however its contents change.
#include "player/ColorKey.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <windows.h>

namespace {

HWND WindowHandle(QWidget& window)
{
    return reinterpret_cast<HWND>(window.winId());
}

} // namespace

void ApplyColorKey(QWidget& window, const QColor& key, const std::function<QImage()>&)
{
    const HWND handle = WindowHandle(window);
    if (!handle) return;
    // Setting the style again after the window was made anew (a change of
    // frame recreates it) is what keeps the key on.
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED)) SetWindowLongPtrW(handle, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(handle, RGB(key.red(), key.green(), key.blue()), 0, LWA_COLORKEY);
}

void ClearColorKey(QWidget& window)
{
    // A window never keyed keeps its native window unmade until it shows.
    if (!window.testAttribute(Qt::WA_WState_Created)) return;
    const HWND handle = WindowHandle(window);
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    if (style & WS_EX_LAYERED) SetWindowLongPtrW(handle, GWL_EXSTYLE, style & ~LONG_PTR(WS_EX_LAYERED));
}
