// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/ProcessStateGuard.h"

#include "controls/BrowserTarget.h"
#include "controls/VoBrowser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QTest>

#include <QDir>
#include <QGuiApplication>

TEST(BrowserTarget, ExistingProjectFilesAndFoldersOpenAsFiles)
{
    TempDir project;
    QDir(project.Path()).mkdir("site");
    const QString page = project.Write("site/index.html", "<p>hi</p>");
    EXPECT_EQ(BrowserTarget(project.Path(), "\\site\\index.html"), QUrl::fromLocalFile(page));
    EXPECT_EQ(BrowserTarget(project.Path(), "site\\index.html"), QUrl::fromLocalFile(page));
    EXPECT_EQ(BrowserTarget(project.Path(), "\\site"), QUrl::fromLocalFile(project.File("site")));
    EXPECT_EQ(BrowserTarget(project.Path(), ""), QUrl::fromLocalFile(project.Path()));
}

TEST(BrowserTarget, AnythingElseIsTheAddressAsAWebAddress)
{
    TempDir project;
    EXPECT_EQ(BrowserTarget(project.Path(), "www.example.com"), QUrl("http://www.example.com"));
    EXPECT_EQ(BrowserTarget(project.Path(), "https://example.org/a?b=1"),
              QUrl("https://example.org/a?b=1"));
    const QUrl missing = BrowserTarget(project.Path(), "guide.html");
    EXPECT_EQ(missing, QUrl::fromUserInput("guide.html"));
    EXPECT_FALSE(missing.isLocalFile());
    const QString guide = project.Write("guide.html", "<p>guide</p>");
    EXPECT_EQ(BrowserTarget(project.Path(), "guide.html"), QUrl::fromLocalFile(guide));
}

TEST(Browser, OnlyThePlayerCreatesTheBrowserOnce)
{
    TempDir project;
    project.Write("index.html", "<p>hi</p>");
    {
        ProcessStateGuard studio(true, project.Path());
        TVoBrowser browser;
        browser.SetAddress(QStringLiteral("\\index.html"));
        EXPECT_EQ(browser.View(), nullptr);
    }
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "the browser engine needs a display";
    ProcessStateGuard player(false, project.Path());
    TVoBrowser browser;
    browser.SetAddress(QStringLiteral("\\index.html"));
    // Not on screen yet: the browser comes after the panel's first paint.
    EXPECT_EQ(browser.View(), nullptr);
    browser.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return browser.View() != nullptr; }, 10000));
    QWidget* view = browser.View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), &browser);
    EXPECT_EQ(browser.frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(view->focusPolicy() & Qt::TabFocus);
    browser.SetAddress(QStringLiteral("www.example.com"));
    EXPECT_EQ(browser.View(), view);
}

TEST(BrowserFace, TheFaceColourIsOnThePanelWhenItIsFirstDrawn)
{
    ProcessStateGuard studio(true, QString());
    TVoBrowser panel;
    panel.resize(60, 40);
    panel.SetColor(clRed);
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    panel.render(&image);
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(panel.frameStyle(), QFrame::Panel | QFrame::Raised);
    EXPECT_NE(image.pixel(0, 20), qRgb(255, 0, 0)); // the raised edge
    // Changed once drawn: the next drawing has the new face.
    panel.SetColor(clBlue);
    panel.render(&image);
    EXPECT_EQ(image.pixel(30, 20), qRgb(0, 0, 255));
}
