// SPDX-License-Identifier: GPL-2.0-or-later
// Several selected objects in the real grid: the rows they share, the
// values they agree on, and an edit made to each of them as one step.
#include "InspectorFixture.h"

#include "controls/VoImageButton.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "controls/WidgetControl.h"
#include "model/Kinds.h"

#include <QFont>

#include <cstdio>
#include <map>
#include <random>

namespace {

TVoSimpleText& TextOf(TVoObject* entry)
{
    return dynamic_cast<TVoSimpleText&>(*entry->Control);
}

QString LongText(TVoObject* entry)
{
    if (auto* text = dynamic_cast<TVoSimpleText*>(entry->Control.get())) return text->Caption();
    if (auto* box = dynamic_cast<TVoTextBox*>(entry->Control.get())) return box->Text();
    return {};
}

TVoFont FontNamed(const QString& name, int size, TColor color)
{
    TVoFont font;
    font.Name = name;
    font.Size = size;
    font.Color = color;
    return font;
}

} // namespace

class SeveralObjectsTest : public InspectorTest {
protected:
    // Selects the objects (indexes) and shows the grid for the first.
    void ShowSelected(const std::vector<int>& indexes)
    {
        for (TVoObject* entry : menu->ObjectList()) entry->Selected = false;
        for (int index : indexes) menu->ObjectList()[size_t(index)]->Selected = true;
        Show(indexes.front() + 1);
    }
    QStringList Keys() const
    {
        QStringList keys;
        for (int row = 1; row <= grid.RowCount(); ++row) keys << grid.Row(row).key;
        return keys;
    }
};

TEST_F(SeveralObjectsTest, AFontChosenOnceGoesToThreeTextsAsOneStepUndoneToEachOwnFont)
{
    const TVoFont fonts[] = {FontNamed("DejaVu Sans", 9, clRed), FontNamed("DejaVu Serif", 11, clBlue),
                             FontNamed("DejaVu Sans Mono", 13, clBlack)};
    std::vector<TVoObject*> texts;
    for (const TVoFont& font : fonts) {
        texts.push_back(Add(okText));
        TextOf(texts.back()).SetFont(font);
    }
    ShowSelected({0, 1, 2});
    EXPECT_EQ(Value("Font"), ""); // the three differ
    EXPECT_EQ(grid.Row(RowOf("Font")).font(), std::nullopt);
    const int steps = document.UndoStack().count();

    QFont chosen(QStringLiteral("Liberation Serif"), 20);
    chosen.setItalic(true);
    dialogs.fonts << chosen;
    PressEllipsis("Font");
    // The dialog started from the current object's font.
    ASSERT_EQ(dialogs.askedFonts.size(), 1);
    EXPECT_EQ(dialogs.askedFonts[0].family(), "DejaVu Sans");
    for (size_t i = 0; i < texts.size(); ++i) {
        const TVoFont& font = TextOf(texts[i]).Font();
        EXPECT_EQ(font.Name, "Liberation Serif") << i;
        EXPECT_EQ(font.Size, 20) << i;
        EXPECT_EQ(font.Style, fsItalic) << i;
        EXPECT_EQ(font.Color, fonts[i].Color) << i; // each keeps its colour
    }
    EXPECT_EQ(Value("Font"), "Liberation Serif");
    EXPECT_EQ(document.UndoStack().count(), steps + 1);
    EXPECT_EQ(document.UndoText(), "Undo Font");

    document.Undo();
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(TextOf(texts[i]).Font(), fonts[i]) << i;
    EXPECT_FALSE(document.Modified());
    document.Redo();
    EXPECT_EQ(TextOf(texts[2]).Font().Name, "Liberation Serif");
}

TEST_F(SeveralObjectsTest, OnlyAgreedValuesAreShownAndTypingIntoARowIsOneStepForAll)
{
    std::vector<TVoObject*> buttons = {Add(okButton), Add(okButton), Add(okButton)};
    auto button = [&](int i) -> TVoImageButton& { return dynamic_cast<TVoImageButton&>(*buttons[size_t(i)]->Control); };
    const QString captions[] = {"Play", "Play", "Exit"};
    for (int i = 0; i < 3; ++i) {
        button(i).SetCaption(captions[i]);
        button(i).SetBounds({10 + 30 * i, 40, 80, 25});
    }
    ShowSelected({1, 0, 2});
    EXPECT_EQ(Keys().indexOf("Name"), -1); // a name is one object's own
    EXPECT_EQ(Value("Caption"), "");
    EXPECT_EQ(Value("Top"), "40");
    EXPECT_EQ(Value("Left"), "");
    EXPECT_EQ(Value("Width"), "80");
    EXPECT_EQ(Value("Cursor"), "Default");

    Type("Caption", "Go");
    EXPECT_EQ(document.UndoStack().count(), 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(button(i).Caption(), "Go") << i;
    Type("Left", "200");
    Leave();
    Choose("Cursor", "HandPoint");
    host.colors << clRed;
    PressEllipsis("NormalFontColor");
    EXPECT_EQ(document.UndoStack().count(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(button(i).Left(), 200) << i;
        EXPECT_EQ(button(i).Cursor(), crHandPoint) << i;
        EXPECT_EQ(button(i).NormalFont().Color, clRed) << i;
    }
    EXPECT_EQ(Value("Left"), "200");

    for (int undo = 0; undo < 4; ++undo) document.Undo();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(button(i).Caption(), captions[i]) << i;
        EXPECT_EQ(button(i).Left(), 10 + 30 * i) << i;
        EXPECT_EQ(button(i).Cursor(), crDefault) << i;
    }
    // Each undo announces the entry anew: the grid shows the values again.
    Show(2);
    EXPECT_EQ(Value("Caption"), "");
    EXPECT_EQ(Value("Left"), "");
}

TEST_F(SeveralObjectsTest, MixedKindsShareTheirCommonRowsInTheCurrentObjectsOrder)
{
    Add(okText);
    Add(okTextBox);
    Add(okExplorer);
    ShowSelected({1, 0});
    EXPECT_EQ(Keys(), (QStringList{"Text", "Font", "FontColor", "Alignment", "BackColor", "Cursor", "Hint",
                                   "OverSound", "ClickSound", "Left", "Top", "Width", "Height"}));
    // Rows of two kinds start no kind's group; the common and position
    // groups keep their images.
    EXPECT_EQ(grid.Row(1).image, -1);
    EXPECT_EQ(grid.Row(RowOf("Cursor")).image, kCommonGroupImage);
    EXPECT_EQ(inspector.Markers().FirstCommonRow, RowOf("Cursor"));
    EXPECT_EQ(inspector.Markers().FirstPositionRow, RowOf("Left"));

    // An Explorer has only its place in common with the others.
    ShowSelected({2, 0, 1});
    EXPECT_EQ(Keys(), (QStringList{"Left", "Top", "Width", "Height"}));
    EXPECT_EQ(grid.Row(1).image, kPositionGroupImage);

    // Two of one kind keep the kind's image; a current object that is not
    // selected shows alone.
    Add(okText);
    ShowSelected({0, 3});
    EXPECT_EQ(grid.Row(1).key, "Text");
    EXPECT_EQ(grid.Row(1).image, kFirstKindGroupImage + int(okText));
    menu->ObjectList()[0]->Selected = false;
    Show(1);
    EXPECT_EQ(grid.Row(1).key, "Name");
}

TEST_F(SeveralObjectsTest, RandomSelectionsShowTheRowsAllKindsShareWithTheValuesTheyAgreeOn)
{
    const QByteArray seedText = qgetenv("VELOMNI_SEED");
    const unsigned seed = seedText.isEmpty() ? std::random_device{}() : seedText.toUInt();
    std::printf("random selections with VELOMNI_SEED=%u\n", seed);
    SCOPED_TRACE("VELOMNI_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(n)); };

    for (int round = 0; round < 40; ++round) {
        // A few objects of random kinds, whose values agree now and then.
        for (TVoObject* entry : menu->ObjectList()) entry->Selected = false;
        const int count = 2 + below(4);
        const int first = int(menu->ObjectList().size());
        for (int i = 0; i < count; ++i) {
            TVoObject* entry = Add(below(kObjectKindCount));
            entry->Control->SetBounds({8 * below(3), 8 * below(3), 40 + 8 * below(2), 30});
            entry->OverSound = below(2) ? QString() : QStringLiteral("\\click.wav");
            if (auto* control = dynamic_cast<TWidgetControl*>(entry->Control.get())) {
                control->SetHint(below(2) ? QString() : QStringLiteral("Help"));
                control->SetCursor(below(2) ? crDefault : crHandPoint);
            }
        }

        // Each object alone: its rows, values and live fonts and colours.
        struct Shown {
            QString value;
            std::optional<TVoFont> font;
            std::optional<TColor> color;
        };
        std::vector<QStringList> keys;
        std::vector<std::map<QString, Shown>> shown;
        for (int i = 0; i < count; ++i) {
            Show(first + i + 1);
            QStringList own;
            std::map<QString, Shown> values;
            for (int row = 1; row <= grid.RowCount(); ++row) {
                const TGridRow& r = grid.Row(row);
                if (r.key != "Name") own << r.key;
                values[r.key] = {r.value, r.font ? r.font() : std::nullopt, r.color ? r.color() : std::nullopt};
            }
            // The cell of a long text shows a marker; the texts themselves
            // must agree.
            if (values.count("Text")) values["Text"].value += QLatin1Char('|') + LongText(menu->ObjectList()[size_t(first + i)]);
            keys.push_back(own);
            shown.push_back(values);
        }

        // All of them, with a random one current.
        const int current = below(count);
        std::vector<int> selected = {first + current};
        for (int i = 0; i < count; ++i)
            if (i != current) selected.push_back(first + i);
        ShowSelected(selected);

        QStringList expected;
        for (const QString& key : keys[size_t(current)]) {
            bool everywhere = true;
            for (const QStringList& other : keys) everywhere = everywhere && other.contains(key);
            if (everywhere) expected << key;
        }
        ASSERT_EQ(Keys(), expected) << "round " << round;
        for (int row = 1; row <= grid.RowCount(); ++row) {
            const TGridRow& r = grid.Row(row);
            bool agree = true;
            for (const auto& values : shown) {
                const Shown& mine = values.at(r.key);
                const Shown& theirs = shown[size_t(current)].at(r.key);
                agree = agree && mine.value == theirs.value && mine.font == theirs.font && mine.color == theirs.color;
            }
            EXPECT_EQ(r.value, agree ? shown[size_t(current)].at(r.key).value.section(QLatin1Char('|'), 0, 0) : QString())
                << r.key.toStdString() << " round " << round;
        }
    }
}
