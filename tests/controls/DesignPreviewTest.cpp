// SPDX-License-Identifier: GPL-2.0-or-later
// At design time the rich-text panel shows its file as the player will,
// and the web panel a still picture of a local HTML page, both following
// a change of the name.
#include "support/ProcessStateGuard.h"

#include "controls/HtmlPreview.h"
#include "controls/VoBrowser.h"
#include "controls/VoRichText.h"
#include "support/PixelHues.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

namespace {

QByteArray ColouredRtf(const char* colour, const char* text)
{
    return QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Sans;}}{\\colortbl;") + colour + ";}\\f0\\fs48\\cf1 " + text +
           "\\par}";
}

QByteArray PngOf(QRgb colour)
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

TEST(DesignPreview, TheStudiosRichTextPanelDrawsItsFileAndFollowsANewName)
{
    TempDir project;
    project.Write("red.rtf", ColouredRtf("\\red255\\green0\\blue0", "WWW MMM WWW"));
    project.Write("blue.rtf", ColouredRtf("\\red0\\green0\\blue255", "MMM WWW MMM"));
    const ProcessStateGuard studio(true, project.Path());
    TVoRichText panel;
    panel.SetBounds(QRect(0, 0, 240, 120));
    panel.SetColor(clWhite);
    const QRect text = QRect(0, 0, 240, 120).adjusted(4, 4, -4, -4);

    const QImage blank = panel.grab().toImage();
    EXPECT_EQ(CountHue(blank, text, Hue::Red), 0);
    EXPECT_EQ(CountHue(blank, text, Hue::Blue), 0);

    panel.SetFileName(QStringLiteral("\\red.rtf"));
    const QImage red = panel.grab().toImage();
    EXPECT_NE(red, blank);
    EXPECT_GT(CountHue(red, text, Hue::Red), 50);
    EXPECT_EQ(CountHue(red, text, Hue::Blue), 0);

    panel.SetFileName(QStringLiteral("blue.rtf"));
    const QImage blue = panel.grab().toImage();
    EXPECT_EQ(CountHue(blue, text, Hue::Red), 0);
    EXPECT_GT(CountHue(blue, text, Hue::Blue), 50);

    // A name of no file leaves the face blank again.
    panel.SetFileName(QStringLiteral("\\missing.rtf"));
    EXPECT_EQ(panel.grab().toImage(), blank);
}

TEST(DesignPreview, TheStudiosWebPanelShowsALocalPageWithItsPicturesAndFollowsTheAddress)
{
    TempDir project;
    project.Write("dot.png", PngOf(qRgb(0, 200, 0)));
    project.Write("red.html",
                  "<html><body><p style=\"color:#ff0000; font-size:40px\">Red page</p><img src=\"dot.png\"></body></html>");
    project.Write("blue.htm", "<html><body><p style=\"color:#0000ff; font-size:40px\">Blue page</p></body></html>");
    project.Write("notes.txt", "<p style=\"color:#ff0000\">not a page</p>");
    const ProcessStateGuard studio(true, project.Path());
    TVoBrowser panel;
    panel.SetBounds(QRect(0, 0, 260, 160));
    panel.SetColor(clGray);
    const QRect face = QRect(0, 0, 260, 160).adjusted(3, 3, -3, -3);

    const QImage blank = panel.grab().toImage();
    EXPECT_TRUE(panel.Preview().isNull());

    panel.SetAddress(QStringLiteral("\\red.html"));
    const QImage red = panel.grab().toImage();
    EXPECT_FALSE(panel.Preview().isNull());
    EXPECT_GT(CountHue(red, face, Hue::Red), 50);
    EXPECT_GT(CountHue(red, face, Hue::Green), 400); // the picture beside the page
    EXPECT_EQ(panel.View(), nullptr);                // no browser engine

    panel.SetAddress(QStringLiteral("blue.htm"));
    const QImage blue = panel.grab().toImage();
    EXPECT_EQ(CountHue(blue, face, Hue::Red), 0);
    EXPECT_GT(CountHue(blue, face, Hue::Blue), 50);

    // A resized panel draws the page anew at its size.
    panel.SetBounds(QRect(0, 0, 300, 200));
    panel.grab();
    EXPECT_EQ(panel.Preview().size(), panel.contentsRect().size());

    // Web addresses, folders and files that are no page keep the face.
    for (const char* address : {"https://example.org/", "", "\\notes.txt", "\\missing.html"}) {
        SCOPED_TRACE(address);
        panel.SetBounds(QRect(0, 0, 260, 160));
        panel.SetAddress(QString::fromLatin1(address));
        EXPECT_EQ(panel.grab().toImage(), blank);
        EXPECT_TRUE(panel.Preview().isNull());
    }
}

TEST(DesignPreview, ThePlayerNeverDrawsAStillPicture)
{
    TempDir project;
    project.Write("red.html", "<p style=\"color:#ff0000; font-size:40px\">Red page</p>");
    const ProcessStateGuard player(false, project.Path());
    const bool views = BrowserViewsEnabled;
    BrowserViewsEnabled = false;
    TVoBrowser panel;
    panel.SetBounds(QRect(0, 0, 260, 160));
    panel.SetAddress(QStringLiteral("\\red.html"));
    const QImage face = panel.grab().toImage();
    BrowserViewsEnabled = views;
    EXPECT_TRUE(panel.Preview().isNull());
    EXPECT_EQ(CountHue(face, face.rect(), Hue::Red), 0);
}

TEST(HtmlPreview, OnlyReadablePagesOfBoundedSizeAreDrawn)
{
    TempDir dir;
    const QString page = dir.Write("Page.HTML", "<p>x</p>");
    EXPECT_TRUE(IsHtmlPreviewFile(page));
    EXPECT_FALSE(IsHtmlPreviewFile(dir.Write("page.txt", "<p>x</p>")));
    EXPECT_FALSE(IsHtmlPreviewFile(dir.File("none.html")));
    EXPECT_FALSE(IsHtmlPreviewFile(dir.Path()));
    EXPECT_FALSE(IsHtmlPreviewFile(QString()));
    EXPECT_EQ(RenderHtmlPreview(page, QSize(50, 40)).size(), QSize(50, 40));
    EXPECT_TRUE(RenderHtmlPreview(page, QSize(0, 40)).isNull());

    const QString huge = dir.Write("huge.html", QByteArray(kMaxHtmlPreviewBytes + 1, 'a'));
    EXPECT_FALSE(IsHtmlPreviewFile(huge));
    EXPECT_TRUE(RenderHtmlPreview(huge, QSize(50, 40)).isNull());

    // A page that names its charset is read in it.
    const QString latin = dir.Write("latin.html", "<meta charset=\"windows-1252\"><p style=\"font-size:30px\">\xe9\xe9\xe9</p>");
    const QString utf8 = dir.Write("utf8.html", "<p style=\"font-size:30px\">\xc3\xa9\xc3\xa9\xc3\xa9</p>");
    EXPECT_EQ(RenderHtmlPreview(latin, QSize(120, 60)), RenderHtmlPreview(utf8, QSize(120, 60)));
}
