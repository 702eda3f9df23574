// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/SelectColorForm.h"

#include "model/ColorNames.h"

#include "studio/DialogWindow.h"

#include "platform/Dialogs.h"
#include "studio/ColorPalette.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

constexpr int kClientWidth = 498;
constexpr int kClientHeight = 337;
constexpr int kItemHeight = 20;
constexpr QSize kSwatchIconSize(28, 14);

// Every entry of the colour list is 20 pixels high.
class TColorItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
    }
};

// The swatch drawn before an entry's name, in the list and in the closed box.
QIcon SwatchIcon(const QColor& color)
{
    QPixmap pixmap(kSwatchIconSize);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(QPoint(1, 1), kSwatchIconSize - QSize(2, 2)), color);
    return QIcon(pixmap);
}

} // namespace

TSelectColorForm::TSelectColorForm(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Select Color"));
    setFixedSize(kClientWidth, kClientHeight);

    ColorBox1 = new QComboBox(this);
    ColorBox1->setGeometry(12, 14, kPaletteWidth, 26);
    ColorBox1->setItemDelegate(new TColorItemDelegate(ColorBox1));
    ColorBox1->setIconSize(kSwatchIconSize);
    ColorBox1->setMaxVisibleItems(16);
    for (const TNamedColor& entry : NamedColors())
        ColorBox1->addItem(SwatchIcon(ColorToQColor(entry.color, palette())),
                           QString::fromLatin1(entry.name), QVariant::fromValue<uint>(entry.color));
    ColorBox1->addItem(SwatchIcon(Qt::black), kCustomColorName, QVariant::fromValue<uint>(clBlack));

    Image2 = PaletteBitmap();
    m_palette = DrawPalette(Image2);
    Image1 = new QLabel(this);
    Image1->setGeometry(12, 50, kPaletteWidth, kPaletteHeight);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(m_palette));
    Image1->installEventFilter(this);

    ScrollBox1 = new QFrame(this);
    ScrollBox1->setGeometry(12, 276, 49, 38);
    ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ScrollBox1->setAutoFillBackground(true);
    ScrollBox1->setCursor(Qt::PointingHandCursor);
    ScrollBox1->installEventFilter(this);

    Label1 = new QLabel(this);
    Label1->setGeometry(70, 276, 318, 38);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    CustomButton = new QPushButton(QStringLiteral("Custom..."), this);
    CustomButton->setGeometry(398, 282, 88, 26);
    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setGeometry(398, 14, 88, 26);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setGeometry(398, 48, 88, 26);

    connect(ColorBox1, &QComboBox::currentIndexChanged, this, &TSelectColorForm::ColorBox1Change);
    connect(CustomButton, &QPushButton::clicked, this, &TSelectColorForm::CustomButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    CentreOnScreen(this);
}

void TSelectColorForm::Open(TColor color)
{
    SetSelected(color);
}

TColor TSelectColorForm::Selected() const
{
    return TColor(ColorBox1->currentData().toUInt());
}

void TSelectColorForm::SetSelected(TColor color)
{
    int index = NamedColorIndex(color);
    if (index < 0) {
        index = ColorBox1->count() - 1;
        SetCustomEntry(color);
    }
    ColorBox1->setCurrentIndex(index);
    // The index stays the same when one custom colour replaces another.
    UpdateColor();
}

bool TSelectColorForm::ApplyTo(TColor& color) const
{
    if (result() != QDialog::Accepted) return false;
    const TColor selected = Selected();
    if (selected == color) return false;
    color = selected;
    return true;
}

bool TSelectColorForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonPress) {
            Image1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        }
        // The second press of a double click comes as this event alone.
        if (event->type() == QEvent::MouseButtonDblClick) {
            Image1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
            Image1DblClick();
            return true;
        }
    } else if (watched == ScrollBox1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ScrollBox1->rect().contains(mouse->position().toPoint())) {
            CustomButtonClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSelectColorForm::ColorBox1Change()
{
    UpdateColor();
}

void TSelectColorForm::Image1MouseDown(QPoint point)
{
    if (const std::optional<TColor> color = PaletteColorAt(m_palette, point)) SetSelected(*color);
}

void TSelectColorForm::Image1DblClick()
{
    accept();
}

void TSelectColorForm::CustomButtonClick()
{
    const QRgb start = ColorToQColor(Selected(), palette()).rgb() & 0xFFFFFFu;
    if (const std::optional<QRgb> chosen = GetDialogs().ChooseColor(this, start))
        SetSelected(RgbColor(qRed(*chosen), qGreen(*chosen), qBlue(*chosen)));
}

void TSelectColorForm::UpdateColor()
{
    const TColor color = Selected();
    Label1->setText(ColorValueText(color, palette()));
    QPalette swatch = ScrollBox1->palette();
    swatch.setColor(QPalette::Window, ColorToQColor(color, palette()));
    ScrollBox1->setPalette(swatch);
}

void TSelectColorForm::SetCustomEntry(TColor color)
{
    const int custom = ColorBox1->count() - 1;
    ColorBox1->setItemData(custom, QVariant::fromValue<uint>(color));
    ColorBox1->setItemIcon(custom, SwatchIcon(ColorToQColor(color, palette())));
}

bool SelectColor(TColor& color, QWidget* parent)
{
    TSelectColorForm form(parent);
    form.Open(color);
    form.exec();
    return form.ApplyTo(color);
}
