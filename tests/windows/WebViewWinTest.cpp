// SPDX-License-Identifier: GPL-2.0-or-later
// The web panel's browser view on Windows: where the system gives a
// browser control the view hosts it in the panel's own window, follows the
// panel's size and opens a page; where it gives none the panel gets no
// view. Either way nothing crashes and nothing waits.
#include "controls/WebModule.h"
#include "windows/Check.h"
#include "windows/Settle.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <windows.h>

#include <cstdio>

namespace {

// The size of the control's window, the first child of the view's window.
QSize ControlSize(QWidget* view)
{
    const HWND control = GetWindow(reinterpret_cast<HWND>(view->winId()), GW_CHILD);
    RECT area{};
    if (!control || !GetWindowRect(control, &area)) return QSize();
    return QSize(area.right - area.left, area.bottom - area.top);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("page.html"));
    QFile file(page);
    CHECK(file.open(QIODevice::WriteOnly) && file.write("<html><body>a page</body></html>") > 0);
    file.close();

    QWidget panel;
    panel.resize(320, 240);
    panel.show();
    Settle(200);
    QWidget* view = NewWebView(&panel);
    if (!view) {
        std::printf("NO BROWSER CONTROL: the system gave none; the panel keeps its plain face\n");
        CHECK(panel.findChildren<QWidget*>().isEmpty());
        // Asking again is as harmless.
        CHECK(NewWebView(&panel) == nullptr);
        return TestResult("WebViewWinTest");
    }
    std::printf("browser control hosted\n");
    CHECK(view->parentWidget() == &panel);
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    OpenWebView(view, QUrl::fromLocalFile(page));
    OpenWebView(nullptr, QUrl::fromLocalFile(page));
    Settle(1000);
    CHECK_WHAT(ControlSize(view) == view->size(),
               QStringLiteral("control %1 x %2, view %3 x %4")
                   .arg(ControlSize(view).width())
                   .arg(ControlSize(view).height())
                   .arg(view->width())
                   .arg(view->height()));
    panel.resize(500, 300);
    Settle(300);
    CHECK_WHAT(ControlSize(view) == QSize(500, 300),
               QStringLiteral("control %1 x %2").arg(ControlSize(view).width()).arg(ControlSize(view).height()));
    OpenWebView(view, QUrl(QStringLiteral("about:blank")));
    Settle(300);
    delete view;
    Settle(200);
    return TestResult("WebViewWinTest");
}
