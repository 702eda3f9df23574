// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

// A 100 x 40 button with margin 4 and spacing 3.
constexpr int kM = 4, kS = 3;
const QSize kButton(100, 40);
const QSize kImage(10, 8);
const QSize kText(20, 12);

TButtonLayout Place(int layout, QSize image, QSize text, int offset = 0, QSize button = kButton)
{
    return ComputeButtonLayout(layout, kM, kS, offset, button, image, text);
}

} // namespace

TEST(ButtonLayout, CaptionAlonePerLayout)
{
    const std::pair<int, QPoint> cases[] = {
        {blLeft, {7, 14}},    // M + S, (H - TH) div 2
        {blTop, {40, 7}},     // (W - TW) div 2, M + S
        {blRight, {73, 14}},  // W - M - S - TW
        {blBottom, {40, 21}}, // H - M - S - TH
        {blCenter, {40, 17}}, // (H - TH) div 2 + S
        {blStretch, {40, 17}},
    };
    for (const auto& [layout, text] : cases) {
        const TButtonLayout placed = Place(layout, QSize(), kText);
        EXPECT_EQ(placed.text, text) << layout;
        EXPECT_TRUE(placed.image.isNull()) << layout;
    }
    // The caption's bottom edge lies Spacing above the bottom margin.
    const TButtonLayout bottom = Place(blBottom, QSize(), kText);
    EXPECT_EQ(bottom.text.y() + kText.height(), kButton.height() - kM - kS);
}

TEST(ButtonLayout, ImageAndCaptionPerLayout)
{
    struct Case {
        int layout;
        QPoint image;
        QPoint text;
    };
    const Case cases[] = {
        {blLeft, {4, 16}, {17, 14}},   // caption Spacing right of the image
        {blTop, {45, 4}, {40, 15}},    // caption Spacing below the image
        {blRight, {86, 16}, {63, 14}}, // caption Spacing left of the image
        {blBottom, {45, 28}, {40, 13}},
        {blCenter, {45, 16}, {40, 17}}, // both centred, caption moved down by S
    };
    for (const Case& c : cases) {
        const TButtonLayout placed = Place(c.layout, kImage, kText);
        EXPECT_EQ(placed.image, QRect(c.image, kImage)) << c.layout;
        EXPECT_EQ(placed.text, c.text) << c.layout;
    }
}

TEST(ButtonLayout, StretchFillsTheMarginAreaAndMovesWithTheOffset)
{
    TButtonLayout placed = Place(blStretch, kImage, kText);
    EXPECT_EQ(placed.image, QRect(QPoint(4, 4), QPoint(95, 35)));
    EXPECT_EQ(placed.text, QPoint(40, 17));
    // (M + a, M + a, W - M + a, H - M + a) with right and bottom exclusive.
    placed = Place(blStretch, kImage, kText, 2);
    EXPECT_EQ(placed.image, QRect(6, 6, 92, 32));
    EXPECT_EQ(placed.text, QPoint(42, 19));
    // No room inside the margins leaves nothing to draw into.
    EXPECT_TRUE(Place(blStretch, kImage, kText, 0, QSize(8, 40)).image.isEmpty());
}

TEST(ButtonLayout, CaptionsThatDoNotFit)
{
    // Left and Top push an overlong caption back to end at the far margin.
    EXPECT_EQ(Place(blLeft, QSize(), QSize(95, 12)).text.x(), 96 - 95);
    EXPECT_EQ(Place(blLeft, kImage, QSize(90, 12)).text.x(), 96 - 90);
    EXPECT_EQ(Place(blLeft, kImage, QSize(79, 12)).text.x(), 17); // ends exactly at W - M
    EXPECT_EQ(Place(blTop, QSize(), QSize(20, 30)).text.y(), 36 - 30);
    EXPECT_EQ(Place(blTop, kImage, QSize(20, 25)).text.y(), 36 - 25);
    // Right and Bottom never start the caption before the margin.
    EXPECT_EQ(Place(blRight, QSize(), QSize(120, 12)).text.x(), kM);
    EXPECT_EQ(Place(blRight, kImage, QSize(100, 12)).text.x(), kM);
    EXPECT_EQ(Place(blBottom, QSize(), QSize(20, 40)).text.y(), kM);
    EXPECT_EQ(Place(blBottom, kImage, QSize(20, 30)).text.y(), kM);
}

TEST(ButtonLayout, HalvesRoundTowardZero)
{
    // (10 - 13) div 2 is -1, not -2.
    EXPECT_EQ(Place(blCenter, QSize(), QSize(20, 13), 0, QSize(100, 10)).text.y(), -1 + kS);
    EXPECT_EQ(Place(blCenter, QSize(105, 8), kText).image.x(), -2);
    EXPECT_EQ(Place(blLeft, QSize(10, 43), kText).image.y(), -1);
}

TEST(ButtonLayout, OffsetMovesTheContentButNotTheClip)
{
    const TButtonLayout still = Place(blLeft, kImage, kText);
    const TButtonLayout moved = Place(blLeft, kImage, kText, 2);
    EXPECT_EQ(moved.image, still.image.translated(2, 2));
    EXPECT_EQ(moved.text, still.text + QPoint(2, 2));
    EXPECT_EQ(still.textClip, QRect(QPoint(4, 4), QPoint(95, 35)));
    EXPECT_EQ(moved.textClip, still.textClip);
}

TEST(ButtonLayout, UnknownLayoutPlacesLikeCenter)
{
    const TButtonLayout center = Place(blCenter, kImage, kText);
    const TButtonLayout unknown = Place(9, kImage, kText);
    EXPECT_EQ(unknown.image, center.image);
    EXPECT_EQ(unknown.text, center.text);
}
