// SPDX-License-Identifier: GPL-2.0-or-later
// The colour key on Windows: the menu window becomes a layered window
// keyed on the colour, keeps the key when its frame changes (which makes
// its native window anew) and loses it when cleared. With VELOMNI_SHOW_MS
// set, the keyed window stays that long in each state, to be looked at.
#include "player/ColorKey.h"
#include "windows/Check.h"
#include "windows/Settle.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <windows.h>

namespace {

// A window painted in the key colour with a green square in the middle.
class TKeyedWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(255, 0, 255));
        painter.fillRect(rect().adjusted(width() / 4, height() / 4, -width() / 4, -height() / 4), Qt::green);
    }
};

HWND Handle(QWidget& window)
{
    return reinterpret_cast<HWND>(window.winId());
}

bool Layered(QWidget& window)
{
    return GetWindowLongPtrW(Handle(window), GWL_EXSTYLE) & WS_EX_LAYERED;
}

// The key the window is layered with; black with no key.
COLORREF Key(QWidget& window)
{
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(Handle(window), &key, &alpha, &flags) || !(flags & LWA_COLORKEY)) return 0;
    return key;
}

QImage NeverRendered()
{
    // The layered window needs no picture of the client area.
    ++g_failures;
    return QImage();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    // Clearing a window never keyed leaves its native window unmade.
    QWidget hidden;
    ClearColorKey(hidden);
    CHECK(!hidden.testAttribute(Qt::WA_WState_Created));

    TKeyedWindow window;
    window.setGeometry(100, 100, 300, 200);
    window.show();
    Settle(300);
    CHECK(!Layered(window));
    ApplyColorKey(window, QColor(255, 0, 255), NeverRendered);
    CHECK(Layered(window));
    CHECK(Key(window) == RGB(255, 0, 255));
    Settle(qEnvironmentVariableIntValue("VELOMNI_SHOW_MS"));
    ApplyColorKey(window, QColor(1, 2, 3), NeverRendered);
    CHECK(Key(window) == RGB(1, 2, 3));

    // A change of frame, as the menu's settings make, then the key again.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.show();
    Settle(300);
    ApplyColorKey(window, QColor(255, 0, 255), NeverRendered);
    CHECK(Layered(window));
    CHECK(Key(window) == RGB(255, 0, 255));
    Settle(qEnvironmentVariableIntValue("VELOMNI_SHOW_MS"));

    ClearColorKey(window);
    CHECK(!Layered(window));
    ClearColorKey(window);
    CHECK(!Layered(window));
    return TestResult("ColorKeyWinTest");
}
