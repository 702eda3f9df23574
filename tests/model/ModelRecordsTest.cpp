// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/Kinds.h"
#include "model/ProjectSettings.h"
#include "model/VoObject.h"

#include <gtest/gtest.h>

TEST(Kinds, TextsOfEveryCodeAndNoneOutsideTheTables)
{
    const char* objects[] = {"Button", "Image", "Text", "TextBox", "RichText", "Explorer"};
    for (int code = 0; code < 6; ++code) EXPECT_EQ(ObjectKindText(code), objects[code]);
    EXPECT_EQ(ObjectKindText(6), "");
    EXPECT_EQ(ObjectKindText(-1), "");

    const char* actions[] = {"OpenRunFile", "VisitWebsite", "SendEmail",     "PrintDocument",
                             "PlaySound",   "PlayBackSound (Loop)", "StopSound", "StopBackSound",
                             "BrowseCD",    "Exit"};
    for (int code = 0; code < 10; ++code) {
        EXPECT_EQ(ActionKindText(code), actions[code]);
        EXPECT_EQ(ActionKindFromText(actions[code]), code);
    }
    EXPECT_EQ(ActionKindText(10), "");
}

TEST(Kinds, ActionFromTextIsCaseSensitiveAndFallsBackToOpenRunFile)
{
    EXPECT_EQ(ActionKindFromText("playsound"), 0);
    EXPECT_EQ(ActionKindFromText("PlayBackSound"), 0);
    EXPECT_EQ(ActionKindFromText(""), 0);
    EXPECT_EQ(ActionKindFromText("Exit"), 9);
}

TEST(Kinds, OnlyTextBoxRichTextAndExplorerAreWindowed)
{
    EXPECT_FALSE(IsWindowedKind(okButton));
    EXPECT_FALSE(IsWindowedKind(okImage));
    EXPECT_FALSE(IsWindowedKind(okText));
    EXPECT_TRUE(IsWindowedKind(okTextBox));
    EXPECT_TRUE(IsWindowedKind(okRichText));
    EXPECT_TRUE(IsWindowedKind(okExplorer));
}

namespace {

// Counts its destruction, so tests see the entry free its control.
class CountingControl final : public TVoControl {
public:
    explicit CountingControl(int& destroyed) : m_destroyed(destroyed) {}
    ~CountingControl() override { ++m_destroyed; }
    QRect Bounds() const override { return m_bounds; }
    void SetBounds(const QRect& bounds) override { m_bounds = bounds; }
    bool WriteKindRecord(TVoStream&) const override { return true; }
    bool ReadKindRecord(TVoStream&) override { return true; }

private:
    int& m_destroyed;
    QRect m_bounds;
};

} // namespace

TEST(ObjectEntries, NewEntryHasTheDefaults)
{
    TVoObject* entry = NewObjectEntry();
    EXPECT_EQ(entry->ObjectType, 2);
    EXPECT_TRUE(entry->Name.isEmpty());
    EXPECT_EQ(entry->Control, nullptr);
    EXPECT_TRUE(entry->Actions.empty());
    EXPECT_TRUE(entry->OverSound.isEmpty());
    EXPECT_TRUE(entry->ClickSound.isEmpty());
    EXPECT_FALSE(entry->Selected);
    FreeObjectEntry(entry);
}

TEST(ObjectEntries, FreeingAListFreesEveryControlAndSkipsEmptySlots)
{
    int destroyed = 0;
    TObjectList list;
    for (int i = 0; i < 3; ++i) {
        TVoObject* entry = NewObjectEntry();
        entry->Control = std::make_unique<CountingControl>(destroyed);
        entry->Control->Entry = entry;
        entry->Actions.push_back(std::make_unique<TVoAction>(TVoAction{akPlaySound, "\\a.wav"}));
        list.push_back(entry);
    }
    list.push_back(nullptr); // a slot a failed read left empty
    FreeObjectEntry(nullptr);
    FreeObjectList(list);
    EXPECT_EQ(destroyed, 3);
    EXPECT_TRUE(list.empty());
}

TEST(ObjectEntries, ActionListsClearAndCopyDeeply)
{
    TVoActions list;
    list.push_back(std::make_unique<TVoAction>(TVoAction{akVisitWebsite, "https://example.org"}));
    list.push_back(std::make_unique<TVoAction>(TVoAction{akExit, ""}));
    TVoActions copy = CopyActionList(list);
    ClearActionList(list);
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy[0]->ActionType, akVisitWebsite);
    EXPECT_EQ(copy[0]->Parameter, "https://example.org");
}

TEST(ProjectSettings, NewProjectDefaults)
{
    const TProjectSettings s;
    EXPECT_EQ(s.ApplicationTitle, "Velomni CD");
    EXPECT_EQ(s.CDLabel, "CDROM");
    EXPECT_EQ(s.FormCaption, "Velomni");
    EXPECT_TRUE(s.FormIcon.Empty());
    EXPECT_EQ(s.BorderStyle, 2);
    EXPECT_EQ(s.BorderIcons, 3);
    EXPECT_EQ(s.BackColor, 0xFFFFFFu);
    EXPECT_EQ(s.GradientColor, 0x808080u);
    EXPECT_EQ(s.BackImageStyle, 2);
    EXPECT_EQ(s.Width, 640);
    EXPECT_EQ(s.Height, 400);
    EXPECT_EQ(s.SplashScreenTime, 2);
    // The backdrop is on, white to blue from top to bottom.
    EXPECT_TRUE(s.FullScreenBack);
    EXPECT_EQ(s.FullScreenBackColor, 0xFFFFFFu);
    EXPECT_EQ(s.FullScreenBackGradientColor, 0xFF0000u);
    EXPECT_EQ(s.FullScreenBackGradientStyle, gsTopBottom);
    EXPECT_EQ(s.FullScreenBackImageStyle, 2);
}
