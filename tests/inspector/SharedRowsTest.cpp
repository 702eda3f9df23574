// SPDX-License-Identifier: GPL-2.0-or-later
// The plain rules of several objects in one grid: which keys they share
// and which value they agree on.
#include "inspector/SharedRows.h"
#include "inspector/ValueTexts.h"
#include "model/Picture.h"

#include <gtest/gtest.h>

namespace {

template <class T>
TAccessList<T> Holding(std::vector<T>& values)
{
    TAccessList<T> targets;
    for (T& value : values)
        targets.push_back({&value, [&value] { return value; }, [&value](const T& v) { value = v; }});
    return targets;
}

QString Same(const QString& text)
{
    return text;
}

} // namespace

TEST(SharedRows, TheKeysAllListsHoldInTheFirstListsOrder)
{
    EXPECT_EQ(SharedKeys({}), QStringList());
    EXPECT_EQ(SharedKeys({{"Caption", "Font", "Left"}}), (QStringList{"Caption", "Font", "Left"}));
    EXPECT_EQ(SharedKeys({{"Font", "Caption", "Left", "Top"}, {"Top", "Left", "Font"}, {"Left", "Font", "Top", "X"}}),
              (QStringList{"Font", "Left", "Top"}));
    EXPECT_EQ(SharedKeys({{"Left", "Left", "Top"}, {"Left", "Top"}}), (QStringList{"Left", "Top"}));
    EXPECT_EQ(SharedKeys({{"Left"}, {}}), QStringList());
    // Keys are compared exactly.
    EXPECT_EQ(SharedKeys({{"Left", "Font"}, {"left", "Font"}}), QStringList{"Font"});
}

TEST(SharedRows, AValueIsAgreedOnlyWhenEveryTargetHoldsIt)
{
    std::vector<QString> none;
    EXPECT_EQ(AgreedValue(Holding(none), Same), std::nullopt);
    EXPECT_EQ(AgreedText(Holding(none), Same), "");

    std::vector<QString> texts = {"Play", "Play", "Play"};
    EXPECT_EQ(AgreedValue(Holding(texts), Same), QString("Play"));
    texts[2] = "Exit";
    EXPECT_EQ(AgreedValue(Holding(texts), Same), std::nullopt);
    EXPECT_EQ(AgreedText(Holding(texts), Same), "");

    // Fonts agree on every part, not only on the name the cell shows.
    std::vector<TVoFont> fonts(2);
    EXPECT_EQ(AgreedText(Holding(fonts), [](const TVoFont& f) { return f.Name; }), "Sans Serif");
    fonts[1].Size = 12;
    EXPECT_EQ(AgreedText(Holding(fonts), [](const TVoFont& f) { return f.Name; }), "");

    // Pictures cannot be compared; their texts are.
    std::vector<TPicture> pictures(2);
    EXPECT_EQ(AgreedText(Holding(pictures), PictureText), "[None]");
}
