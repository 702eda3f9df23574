// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QString;

// The grid step keeps to 2..99 pixels: smaller steps make the snapping
// arithmetic meaningless, larger ones no longer fit two digits.
constexpr int kMinGridSize = 2;
constexpr int kMaxGridSize = 99;

// A value brought to the nearest bound of 2..99.
int ClampGridSize(int value);
// The value a number box's text stands for: its number brought into
// 2..99, or 2 when it holds no number.
int GridSizeFromText(const QString& text);

// The "Grid Size" dialog: two number boxes for the horizontal and the
// vertical grid step. Enter in either box confirms, Esc cancels.
class TGridSizeForm final : public QDialog {
    Q_OBJECT

public:
    explicit TGridSizeForm(QWidget* parent = nullptr);

    // Shows x and y, each brought into 2..99.
    void Open(int x, int y);
    // The values the boxes stand for.
    int ValueX() const;
    int ValueY() const;
    // True, with x and y receiving the boxes' values, when the form was
    // accepted and at least one value differs from the passed one.
    bool ApplyTo(int& x, int& y) const;

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

// Shows the dialog on x and y. True, with x and y changed, when the user
// confirmed and at least one value differs.
bool EditGridSize(int& x, int& y, QWidget* parent = nullptr);
