// SPDX-License-Identifier: GPL-2.0-or-later
#include "KindRecordTesting.h"

#include "controls/VoImage.h"

namespace {

bool Opaque(const QWidget& widget)
{
    return widget.testAttribute(Qt::WA_OpaquePaintEvent);
}

} // namespace

TEST(ImageEx, AutoSizeTakesThePictureSizeAndKeepsThePosition)
{
    TImageEx image;
    image.move(7, 9);
    image.SetPicture(PictureOf(GraphicKind::Bitmap, 30, 20));
    EXPECT_EQ(image.size(), QSize(105, 105));
    image.SetAutoSize(true);
    EXPECT_EQ(image.geometry(), QRect(7, 9, 30, 20));
    image.SetPicture(PictureOf(GraphicKind::Bitmap, 12, 40));
    EXPECT_EQ(image.geometry(), QRect(7, 9, 12, 40));
    image.SetPicture(TPicture());
    EXPECT_EQ(image.size(), QSize(12, 40));
}

TEST(ImageEx, OpaqueOnlyWhenAnOpaqueGraphicCoversTheControl)
{
    TImageEx image;
    image.resize(50, 40);
    EXPECT_FALSE(Opaque(image));
    image.SetPicture(PictureOf(GraphicKind::Bitmap, 20, 20));
    EXPECT_FALSE(Opaque(image));
    image.SetStretch(true);
    EXPECT_TRUE(Opaque(image));
    image.SetProportional(true); // bands at the sides
    EXPECT_FALSE(Opaque(image));
    image.SetProportional(false);
    image.SetTransparent(true);
    EXPECT_FALSE(Opaque(image));
    image.SetTransparent(false);

    image.SetStretch(false);
    image.SetPicture(PictureOf(GraphicKind::Bitmap, 80, 60));
    EXPECT_TRUE(Opaque(image));
    image.SetCenter(true); // centred with negative offsets, still over every pixel
    EXPECT_TRUE(Opaque(image));
    // Icons let the background through whatever the control says.
    image.SetPicture(PictureOf(GraphicKind::Icon, 64, 64));
    EXPECT_FALSE(Opaque(image));
}

TEST(Image, RecordCutInsideThePictureLeavesItEmpty)
{
    TVoImage source;
    source.SetPicture(PictureOf(GraphicKind::Bitmap, 6, 4));
    TVoImage image;
    image.SetPicture(PictureOf(GraphicKind::Bitmap, 2, 2));
    EXPECT_FALSE(ReadKind(image, WriteKind(source).left(30)).ok);
    EXPECT_TRUE(image.Picture().Empty());
}
