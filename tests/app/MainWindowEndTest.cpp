// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MainWindowEnd.h"
#include "model/ProjectSettings.h"
#include "player/ScreenBackForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

namespace {

class RefusingWindow final : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// Runs the loop until the window's end or, failing that, a fallback exit
// with status 7.
int LoopAfterClosing(QWidget& window, int fallbackMs)
{
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    QTimer::singleShot(fallbackMs, qApp, [] { QCoreApplication::exit(7); });
    return QCoreApplication::exec();
}

} // namespace

TEST(MainWindowEnd, ClosingThePlayersMenuEndsItBehindItsBackdrop)
{
    const TProjectSettings s;
    auto backdrop = ShowBackdrop(true, s.FullScreenBackColor, s.FullScreenBackGradientStyle,
                                 s.FullScreenBackImageStyle, s.FullScreenBackImage,
                                 s.FullScreenBackGradientColor);
    ASSERT_NE(backdrop, nullptr);
    ASSERT_TRUE(backdrop->isVisible());
    QWidget menu;
    EndLoopWhenClosed(menu);
    menu.show();
    EXPECT_EQ(LoopAfterClosing(menu, 5000), 0);
    EXPECT_FALSE(menu.isVisible());

    // A window that stays open keeps the loop running.
    RefusingWindow open;
    EndLoopWhenClosed(open);
    open.show();
    EXPECT_EQ(LoopAfterClosing(open, 300), 7);
    EXPECT_TRUE(open.isVisible());
}
