// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ImageEditorForm.h"

#include "model/EditedPicture.h"
#include "model/ErrorReports.h"
#include "model/PictureFiles.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "studio/DialogWindow.h"
#include "studio/PicturePreview.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <exception>

namespace {

constexpr int kClientWidth = 540;
constexpr int kClientHeight = 329;
constexpr QSize kBoxSize(409, 265);
constexpr QSize kPreviewDesignSize(385, 246);

// Draws the working picture: scaled to the widget when the placement says
// so, else at its own size in the middle. Paints nothing else, so the
// checkerboard shows through transparent pixels.
class TPreviewImage final : public QWidget {
public:
    TPreviewImage(const TPicture& picture, QWidget* parent) : QWidget(parent), m_picture(picture) {}
    void SetStretched(bool stretched) { m_stretched = stretched; update(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const TGraphic* graphic = m_picture.Graphic();
        if (!graphic || graphic->Empty()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretched);
        if (m_stretched) {
            graphic->Draw(painter, QRectF(rect()));
            return;
        }
        const QSize own = graphic->Size();
        const QPoint topLeft((width() - own.width()) / 2, (height() - own.height()) / 2);
        graphic->Draw(painter, QRectF(topLeft, QSizeF(own)));
    }

private:
    const TPicture& m_picture;
    bool m_stretched = false;
};

void ShowInformation(const QString& text)
{
    GetMessageBoxes().Show(QStringLiteral("Information"), text, MsgIcon::Information, MsgButtons::Ok);
}

} // namespace

TImageEditorForm::TImageEditorForm(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle(QStringLiteral("Image Editor"));
    setFixedSize(kClientWidth, kClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 425, 313);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    ScrollBox1 = new QFrame(Panel1);
    ScrollBox1->setGeometry(QRect(QPoint(8, 8), kBoxSize));
    ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Image2 = new QLabel(ScrollBox1);
    Image2->setGeometry(ScrollBox1->contentsRect());
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->setPixmap(QPixmap::fromImage(CheckerboardImage()));

    auto* preview = new TPreviewImage(m_picture, ScrollBox1);
    preview->setGeometry(QRect(QPoint(12, 9), kPreviewDesignSize));
    Image1 = preview;
    m_maxPreviewSize = Image1->size();

    LoadButton = new QPushButton(QStringLiteral("&Load..."), Panel1);
    LoadButton->setGeometry(8, 280, 74, 26);
    SaveButton = new QPushButton(QStringLiteral("&Save As..."), Panel1);
    SaveButton->setGeometry(86, 280, 74, 26);
    ClearButton = new QPushButton(QStringLiteral("&Clear"), Panel1);
    ClearButton->setGeometry(164, 280, 74, 26);
    Label1 = new QLabel(Panel1);
    Label1->setGeometry(242, 280, 175, 26);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setGeometry(443, 8, 89, 26);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(443, 42, 89, 26);

    connect(LoadButton, &QPushButton::clicked, this, &TImageEditorForm::LoadButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TImageEditorForm::SaveButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TImageEditorForm::ClearButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &TImageEditorForm::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    CentreOnScreen(this);
}

void TImageEditorForm::Open(const TPicture& picture, bool iconOnly)
{
    m_picture = picture;
    m_iconOnly = iconOnly;
    m_changed = false;
    m_accepted = false;
    RefreshPreview();
}

bool TImageEditorForm::ApplyTo(TPicture& picture) const
{
    if (!m_changed || !m_accepted) return false;
    picture = m_picture;
    return true;
}

void TImageEditorForm::LoadButtonClick()
{
    const QString path =
        GetDialogs().OpenFile(this, m_iconOnly ? IconOpenFilter() : PictureOpenFilter(), QString(), QString());
    if (path.isEmpty()) return;
    try {
        LoadPictureFile(m_picture, path);
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
        return;
    }
    m_changed = true;
    RefreshPreview();
}

void TImageEditorForm::SaveButtonClick()
{
    if (m_picture.Empty()) return;
    const PictureSaveFormat format = SaveFormatOf(*m_picture.Graphic());
    const QString path = GetDialogs().SaveFile(this, format.filter, format.suffix);
    if (path.isEmpty()) return;
    try {
        SavePictureFile(m_picture, path);
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
    }
}

void TImageEditorForm::ClearButtonClick()
{
    m_picture.Clear();
    RefreshPreview();
    m_changed = true;
}

void TImageEditorForm::OkButtonClick()
{
    if (m_iconOnly && !m_picture.Empty() && m_picture.Graphic()->Kind() != GraphicKind::Icon) {
        ShowInformation(QStringLiteral("The image is not an icon."));
        return;
    }
    if (m_changed && !m_picture.Empty()) {
        try {
            SettleEditedPicture(m_picture);
        } catch (...) {
            ShowInformation(QStringLiteral("The image data is invalid."));
            return;
        }
        RefreshPreview();
    }
    m_accepted = true;
    accept();
}

void TImageEditorForm::RefreshPreview()
{
    const bool hasGraphic = !m_picture.Empty();
    SaveButton->setEnabled(hasGraphic);
    ClearButton->setEnabled(hasGraphic);
    auto* preview = static_cast<TPreviewImage*>(Image1);
    if (!hasGraphic) {
        Label1->setText(QStringLiteral("[None]"));
        preview->update();
        return;
    }
    const TGraphic* graphic = m_picture.Graphic();
    Label1->setText(QStringLiteral("%1  [%2 X %3]")
                        .arg(PictureKindText(graphic))
                        .arg(graphic->Width())
                        .arg(graphic->Height()));
    const PreviewPlacement placement = PlacePreview(graphic->Size(), m_maxPreviewSize, ScrollBox1->size());
    preview->setGeometry(placement.rect);
    preview->SetStretched(placement.stretched);
}

bool EditPicture(TPicture& picture, bool iconOnly, QWidget* parent)
{
    TImageEditorForm form(parent);
    form.Open(picture, iconOnly);
    form.exec();
    return form.ApplyTo(picture);
}
