// SPDX-License-Identifier: GPL-2.0-or-later
// The grid size dialog: the 2..99 rule and the dialog driven through its
// number boxes and buttons.
#include "studio/GridSizeForm.h"
#include "support/ModalWindows.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <climits>
#include <functional>


namespace {

// Replaces a number box's text as a user does: select all, then type.
void Type(QSpinBox* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Opens on 8 x 8, types into one box, presses a key there; the result.
std::optional<std::pair<int, int>> Edit(int box, const QString& text, Qt::Key key)
{
    TGridSizeForm form;
    form.Open(8, 8);
    form.show();
    QSpinBox* edit = box == 1 ? form.SpinEdit1 : form.SpinEdit2;
    Type(edit, text);
    QTest::keyClick(edit, key);
    EXPECT_FALSE(form.isVisible());
    int x = 8, y = 8;
    return form.ApplyTo(x, y) ? std::optional(std::pair(x, y)) : std::nullopt;
}

} // namespace

TEST(GridSizeRule, ValuesGoToTheNearestBoundAndNoNumberCountsAsTwo)
{
    EXPECT_EQ(ClampGridSize(INT_MIN), 2);
    EXPECT_EQ(ClampGridSize(1), 2);
    EXPECT_EQ(ClampGridSize(99), 99);
    EXPECT_EQ(ClampGridSize(INT_MAX), 99);
    EXPECT_EQ(GridSizeFromText(""), 2);
    EXPECT_EQ(GridSizeFromText("x"), 2);
    EXPECT_EQ(GridSizeFromText("-7"), 2);
    EXPECT_EQ(GridSizeFromText(" 16 "), 16);
    EXPECT_EQ(GridSizeFromText("4294967298"), 99);
}

TEST(GridSize, BoxesShowAndKeepTwoDigitsInRange)
{
    TGridSizeForm form;
    form.Open(1, 150);
    form.show();
    EXPECT_EQ(form.SpinEdit1->text(), "2");
    EXPECT_EQ(form.SpinEdit2->text(), "99");
    QTest::keyClick(form.SpinEdit2, Qt::Key_Up);
    EXPECT_EQ(form.SpinEdit2->value(), 99);
    Type(form.SpinEdit1, "123");
    EXPECT_EQ(form.SpinEdit1->text(), "12");
    Type(form.SpinEdit1, "");
    EXPECT_EQ(form.ValueX(), 2);
}

TEST(GridSize, EnterConfirmsAChangeAndEscapeCancels)
{
    EXPECT_EQ(Edit(1, "16", Qt::Key_Return), std::optional(std::pair(16, 8)));
    EXPECT_EQ(Edit(2, "5", Qt::Key_Enter), std::optional(std::pair(8, 5)));
    EXPECT_EQ(Edit(2, "1", Qt::Key_Return), std::optional(std::pair(8, 2)));
    EXPECT_EQ(Edit(1, "", Qt::Key_Return), std::optional(std::pair(2, 8)));
    EXPECT_EQ(Edit(1, "8", Qt::Key_Return), std::nullopt);
    EXPECT_EQ(Edit(1, "16", Qt::Key_Escape), std::nullopt);
}

TEST(GridSize, ModalDialogReturnsTheValuesOrLeavesThemAlone)
{
    // A setting read unchecked from the file comes back repaired.
    int x = 0, y = 8;
    bool changed = false;
    EXPECT_EQ(WithModal([&] { changed = EditGridSize(x, y); }, [](QWidget* modal) {
        auto* form = qobject_cast<TGridSizeForm*>(modal);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), "Grid Size");
        EXPECT_EQ(form->size(), QSize(374, 122));
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
    }), 1);
    EXPECT_TRUE(changed);
    EXPECT_EQ(std::pair(x, y), std::pair(2, 8));

    WithModal([&] { changed = EditGridSize(x, y); }, [](QWidget* modal) {
        auto* form = qobject_cast<TGridSizeForm*>(modal);
        Type(form->SpinEdit2, "24");
        QTest::mouseClick(form->CancelButton, Qt::LeftButton);
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(std::pair(x, y), std::pair(2, 8));
}
