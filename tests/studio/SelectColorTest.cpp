// SPDX-License-Identifier: GPL-2.0-or-later
// The colour picker: palette table and drawing, value label, colour list,
// and the dialog driven through its real widgets.
#include "model/ColorNames.h"
#include "studio/ColorPalette.h"
#include "studio/SelectColorForm.h"
#include "support/ModalWindows.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

QPoint Swatch(int column, int row) { return PaletteSwatchRect(column, row).center(); }

struct ShownForm {
    explicit ShownForm(TColor color) { form.Open(color); form.show(); }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(form.Image1, button, Qt::NoModifier, at);
    }
    TSelectColorForm form;
};

} // namespace

TEST(ColorPalette, SwatchesAreOutlinedAndFilledFromTheTable)
{
    const QImage bitmap = PaletteBitmap();
    EXPECT_EQ(bitmap.pixel(9, 0), qRgb(0xFF, 0xCC, 0xFF));
    EXPECT_EQ(bitmap.pixel(7, 3), qRgb(0x33, 0x66, 0xFF));
    EXPECT_EQ(bitmap.pixel(8, 6), qRgb(0x33, 0x00, 0x99));
    const QImage palette = DrawPalette(bitmap);
    ASSERT_EQ(palette.size(), QSize(350, 210));
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int left = 35 * column, top = 30 * row;
            for (const QPoint inside : {QPoint(left + 1, top + 1), QPoint(left + 33, top + 28)})
                EXPECT_EQ(palette.pixel(inside), bitmap.pixel(column, row)) << column << "," << row;
            for (const QPoint edge : {QPoint(left, top + 9), QPoint(left + 34, top + 9),
                                      QPoint(left + 9, top), QPoint(left + 9, top + 29)})
                EXPECT_EQ(palette.pixel(edge), qRgb(1, 0, 0)) << column << "," << row;
        }
    }
    // Pixels are red-green-blue, stored colours have red in the low byte.
    EXPECT_EQ(PaletteColorAt(palette, Swatch(7, 3)), std::optional<TColor>(0xFF6633));
    for (const QPoint ignored : {QPoint(35, 40), QPoint(349, 209), QPoint(350, 10), QPoint(-1, 0)})
        EXPECT_EQ(PaletteColorAt(palette, ignored), std::nullopt);
    QImage odd(2, 1, QImage::Format_RGB32);
    odd.setPixel(0, 0, qRgb(127, 128, 128));
    odd.setPixel(1, 0, qRgb(128, 128, 128));
    EXPECT_EQ(PaletteColorAt(odd, QPoint(0, 0)), std::nullopt);
    EXPECT_EQ(PaletteColorAt(odd, QPoint(1, 0)), std::optional<TColor>(0x808080));
}

TEST(ColorPalette, ListNamesItsColoursByStoredValue)
{
    const auto colors = NamedColors();
    ASSERT_EQ(colors.size(), 50u);
    EXPECT_STREQ(colors[NamedColorIndex(0x000080)].name, "Maroon");
    EXPECT_STREQ(colors[NamedColorIndex(0xF0CAA6)].name, "Sky Blue");
    EXPECT_STREQ(colors[NamedColorIndex(clSystemColor + 0)].name, "Scroll Bar");
    EXPECT_STREQ(colors[NamedColorIndex(clBtnFace)].name, "Button Face");
    EXPECT_STREQ(colors[NamedColorIndex(clSystemColor + 30)].name, "Menu Bar");
    EXPECT_EQ(NamedColorIndex(clSystemColor + 25), -1);
    EXPECT_EQ(NamedColorIndex(0x010000FF), -1); // a stray top byte is another value
}

TEST(SelectColor, OpeningShowsTheEntryTheLabelAndTheSwatch)
{
    TSelectColorForm form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    form.setPalette(palette);
    form.Open(clBtnFace);
    EXPECT_EQ(form.ColorBox1->currentText(), "Button Face");
    EXPECT_EQ(form.Label1->text(), "R: 1 G: 2 B: 3  HEX: FF00000F");
    EXPECT_EQ(form.ScrollBox1->palette().color(QPalette::Window), QColor(1, 2, 3));

    form.Open(0x123456);
    EXPECT_EQ(form.ColorBox1->currentText(), "Custom");
    EXPECT_EQ(form.Label1->text(), "R: 86 G: 52 B: 18  HEX: 00123456");
    form.Open(0x654321); // the custom entry takes the next one as well
    EXPECT_EQ(form.Selected(), 0x654321u);
    EXPECT_EQ(form.Label1->text(), "R: 33 G: 67 B: 101  HEX: 00654321");
}

TEST(SelectColor, PaletteClicksSelectExceptOnOutlines)
{
    ShownForm shown(clBlack);
    shown.Click(Swatch(2, 3)); // FF6600
    EXPECT_EQ(shown.form.ColorBox1->currentText(), "Custom");
    EXPECT_EQ(shown.form.Label1->text(), "R: 255 G: 102 B: 0  HEX: 000066FF");
    for (const QPoint outline : {QPoint(70, 100), QPoint(69, 100), QPoint(100, 90)}) shown.Click(outline);
    EXPECT_EQ(shown.form.Selected(), 0x0066FFu);
    shown.Click(Swatch(0, 2), Qt::RightButton); // C0C0C0 has a name
    EXPECT_EQ(shown.form.ColorBox1->currentText(), "Silver");
}

TEST(SelectColor, ResultOnlyWhenConfirmedWithAnotherColour)
{
    // Opens on clRed, clicks the points, closes; what the caller's clRed became.
    auto pick = [](std::vector<QPoint> clicks, bool ok) -> std::optional<TColor> {
        ShownForm shown(clRed);
        for (const QPoint at : clicks) shown.Click(at);
        QTest::mouseClick(ok ? shown.form.OkButton : shown.form.CancelButton, Qt::LeftButton);
        TColor color = clRed;
        return shown.form.ApplyTo(color) ? std::optional(color) : std::nullopt;
    };
    EXPECT_EQ(pick({}, true), std::nullopt);
    EXPECT_EQ(pick({Swatch(5, 5), Swatch(1, 2)}, true), std::nullopt); // away and back
    EXPECT_EQ(pick({Swatch(5, 5)}, false), std::nullopt);
    EXPECT_EQ(pick({Swatch(5, 5)}, true), std::optional<TColor>(0x006600));

    ShownForm shown(clRed); // a double click confirms the clicked colour
    QTest::mouseDClick(shown.form.Image1, Qt::LeftButton, Qt::NoModifier, Swatch(8, 4));
    EXPECT_FALSE(shown.form.isVisible());
    TColor color = clRed;
    EXPECT_TRUE(shown.form.ApplyTo(color));
    EXPECT_EQ(color, 0xCC0066u);
}

TEST(SelectColor, CustomAndPreviewAskTheColourDialogFromTheDrawnColour)
{
    ScriptedDialogs dialogs;
    ShownForm shown(clBtnFace);
    const QRgb face = shown.form.palette().color(QPalette::Active, QPalette::Button).rgb() & 0xFFFFFF;
    dialogs.colors = {0x123456u, std::nullopt, 0x0000FFu};
    QTest::mouseClick(shown.form.CustomButton, Qt::LeftButton);
    EXPECT_EQ(shown.form.Selected(), 0x563412u);
    QTest::mouseClick(shown.form.ScrollBox1, Qt::LeftButton); // cancelled
    EXPECT_EQ(shown.form.Selected(), 0x563412u);
    QTest::mouseClick(shown.form.ScrollBox1, Qt::LeftButton);
    EXPECT_EQ(shown.form.ColorBox1->currentText(), "Blue");
    EXPECT_EQ(dialogs.askedColors, (QList<QRgb>{face, 0x123456u, 0x123456u}));
}

TEST(SelectColor, ModalDialogReturnsTheConfirmedColour)
{
    TColor color = clBlue;
    bool changed = false;
    EXPECT_EQ(WithModal([&] { changed = SelectColor(color); }, [](QWidget* modal) {
        auto* form = qobject_cast<TSelectColorForm*>(modal);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), "Select Color");
        EXPECT_EQ(form->size(), QSize(498, 337));
        QTest::mouseClick(form->Image1, Qt::LeftButton, Qt::NoModifier, Swatch(3, 1));
        QTest::keyClick(form, Qt::Key_Return);
    }), 1);
    EXPECT_TRUE(changed);
    EXPECT_EQ(color, 0x66FFFFu);
}
