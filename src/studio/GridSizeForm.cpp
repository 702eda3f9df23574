// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/GridSizeForm.h"

#include "studio/DialogWindow.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int kClientWidth = 374;
constexpr int kClientHeight = 122;

QSpinBox* NewGridSizeBox(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(kMinGridSize, kMaxGridSize);
    // A box left empty or below the range falls to the nearest bound
    // rather than back to its previous value.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    if (auto* edit = box->findChild<QLineEdit*>()) edit->setMaxLength(2);
    return box;
}

} // namespace

int ClampGridSize(int value)
{
    return qBound(kMinGridSize, value, kMaxGridSize);
}

int GridSizeFromText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok) return kMinGridSize;
    return int(std::clamp<qlonglong>(value, kMinGridSize, kMaxGridSize));
}

TGridSizeForm::TGridSizeForm(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Grid Size"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 262, 106);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(QStringLiteral("Grid Size X:"), Panel1);
    Label1->setGeometry(24, 22, 110, 24);
    SpinEdit1 = NewGridSizeBox(Panel1);
    SpinEdit1->setGeometry(150, 22, 80, 24);
    Label1->setBuddy(SpinEdit1);

    Label2 = new QLabel(QStringLiteral("Grid Size Y:"), Panel1);
    Label2->setGeometry(24, 60, 110, 24);
    SpinEdit2 = NewGridSizeBox(Panel1);
    SpinEdit2->setGeometry(150, 60, 80, 24);
    Label2->setBuddy(SpinEdit2);

    // A number box leaves Enter to the dialog, which presses the default
    // button; Esc reaches the dialog's reject.
    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setGeometry(280, 8, 86, 26);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setGeometry(280, 42, 86, 26);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(SpinEdit1, SpinEdit2);
    setTabOrder(SpinEdit2, OkButton);
    setTabOrder(OkButton, CancelButton);
    CentreOnScreen(this);
}

void TGridSizeForm::Open(int x, int y)
{
    SpinEdit1->setValue(ClampGridSize(x));
    SpinEdit2->setValue(ClampGridSize(y));
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
}

// Read from the text so a number typed but not yet taken over by the box
// counts as well.
int TGridSizeForm::ValueX() const
{
    return GridSizeFromText(SpinEdit1->cleanText());
}

int TGridSizeForm::ValueY() const
{
    return GridSizeFromText(SpinEdit2->cleanText());
}

bool TGridSizeForm::ApplyTo(int& x, int& y) const
{
    if (result() != QDialog::Accepted) return false;
    const int newX = ValueX();
    const int newY = ValueY();
    if (newX == x && newY == y) return false;
    x = newX;
    y = newY;
    return true;
}

bool EditGridSize(int& x, int& y, QWidget* parent)
{
    TGridSizeForm form(parent);
    form.Open(x, y);
    form.exec();
    return form.ApplyTo(x, y);
}
