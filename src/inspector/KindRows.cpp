// SPDX-License-Identifier: GPL-2.0-or-later
// The rows of each object kind, in their stored order from row 1.
#include "inspector/Inspector.h"

#include "controls/VoBrowser.h"
#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "inspector/InspectorHost.h"
#include "model/Kinds.h"
#include "model/VoObject.h"
#include "model/Picture.h"

namespace {

constexpr EditEffects kStored = ProjectChanged | CanvasRedraw;

QString ImageStyleText(const TVoImage& image)
{
    if (image.Stretch()) return QStringLiteral("Stretch");
    if (image.Center()) return QStringLiteral("Center");
    if (image.AutoSize()) return QStringLiteral("AutoSize");
    return QStringLiteral("Normal");
}

// Sets the three flags of an image style in their fixed order.
void ApplyImageStyle(TVoImage& image, const QString& style)
{
    if (style == QLatin1String("Stretch")) {
        image.SetAutoSize(false);
        image.SetStretch(true);
        image.SetCenter(false);
    } else if (style == QLatin1String("Center")) {
        image.SetAutoSize(false);
        image.SetStretch(false);
        image.SetCenter(true);
    } else if (style == QLatin1String("Normal")) {
        image.SetAutoSize(false);
        image.SetStretch(false);
        image.SetCenter(false);
    } else if (style == QLatin1String("AutoSize")) {
        image.SetStretch(false);
        image.SetCenter(false);
        image.SetAutoSize(true);
    }
}

// The "Text" row of a text kind: a marker edited in the text dialog.
void LongTextRow(TRowSet& rows, std::function<QString()> get, std::function<void(const QString&)> set)
{
    rows.LongText(QStringLiteral("Text"), std::move(get), std::move(set), kStored);
}

// Word wrap, scroll bars, back colour and border of the two text panels.
template <class Panel>
void PanelRows(TRowSet& rows, Panel* panel)
{
    rows.Bool(QStringLiteral("WordWrap"), [panel] { return panel->WordWrap(); }, [panel](bool on) { panel->SetWordWrap(on); }, kStored);
    rows.List(QStringLiteral("ScrollBar"), kScrollBarsTable, [panel] { return int(panel->ScrollBars()); },
              [panel](int code) { panel->SetScrollBars(quint8(code)); }, kStored);
    rows.Color(QStringLiteral("BackColor"), [panel] { return panel->Color(); },
               [panel](TColor color) { panel->SetColor(color); }, kStored);
    rows.Bool(QStringLiteral("Border"), [panel] { return panel->BorderStyle() != 0; },
              [panel](bool on) { panel->SetBorderStyle(on ? 1 : 0); }, kStored);
}

void ButtonRows(TRowSet& rows, TVoImageButton* b)
{
    rows.Text(QStringLiteral("Caption"), [b] { return b->Caption(); }, [b](const QString& text) { b->SetCaption(text); }, kStored);
    rows.FontAndColor(QStringLiteral("NormalFont"), QStringLiteral("NormalFontColor"),
                      [b] { return b->NormalFont(); }, [b](const TVoFont& font) { b->SetNormalFont(font); },
                      kStored);
    rows.Picture(QStringLiteral("NormalImage"), [b] { return b->NormalImage(); },
                 [b](const TPicture& picture) { b->SetNormalImage(picture); }, kStored);
    // The mouse-over look is not on the canvas: no redraw.
    rows.FontAndColor(QStringLiteral("MouseOverFont"), QStringLiteral("MouseOverFontColor"),
                      [b] { return b->MouseOverFont(); }, [b](const TVoFont& font) { b->SetMouseOverFont(font); },
                      ProjectChanged);
    rows.Picture(QStringLiteral("MouseOverImage"), [b] { return b->MouseOverImage(); },
                 [b](const TPicture& picture) { b->SetMouseOverImage(picture); }, ProjectChanged);
    rows.List(QStringLiteral("ButtonStyle"), kButtonStyleTable, [b] { return int(b->ButtonStyle()); },
              [b](int code) { b->SetButtonStyle(quint8(code)); }, kStored);
    rows.Number(
        QStringLiteral("Margin"), [b] { return b->Margin(); }, 0,
        [b](int value) {
            b->SetMargin(value);
            return b->Margin();
        },
        kStored, true);
    rows.Number(
        QStringLiteral("Spacing"), [b] { return b->Spacing(); }, std::nullopt,
        [b](int value) {
            b->SetSpacing(value);
            return b->Spacing();
        },
        kStored);
    rows.List(QStringLiteral("ImageLayout"), kImageLayoutTable, [b] { return int(b->ImageLayout()); },
              [b](int code) { b->SetImageLayout(quint8(code)); }, kStored);
    rows.Bool(QStringLiteral("DownSlide"), [b] { return b->DownSlide(); }, [b](bool on) { b->SetDownSlide(on); }, kStored);
}

void ImageRows(TRowSet& rows, TVoImage* image)
{
    rows.Picture(QStringLiteral("Image"), [image] { return image->Picture(); },
                 [image](const TPicture& picture) { image->SetPicture(picture); }, kStored);
    const QStringList styles = {QStringLiteral("Normal"), QStringLiteral("Center"), QStringLiteral("Stretch"),
                                QStringLiteral("AutoSize")};
    rows.Pick<QString>(
        QStringLiteral("ImageStyle"), styles, [image] { return ImageStyleText(*image); },
        [image](const QString& chosen) { ApplyImageStyle(*image, chosen); }, [](const QString& text) { return text; },
        [styles](const QString& text) { return styles.contains(text) ? std::optional(text) : std::nullopt; }, kStored);
    rows.Bool(QStringLiteral("Transparent"), [image] { return image->Transparent(); }, [image](bool on) { image->SetTransparent(on); },
              kStored);
}

void TextRows(TRowSet& rows, TVoSimpleText* t)
{
    LongTextRow(rows, [t] { return t->Caption(); }, [t](const QString& text) { t->SetCaption(text); });
    rows.FontAndColor(QStringLiteral("Font"), QStringLiteral("FontColor"), [t] { return t->Font(); },
                      [t](const TVoFont& font) { t->SetFont(font); }, kStored);
    rows.List(QStringLiteral("Alignment"), kAlignmentTable, [t] { return int(t->Alignment()); },
              [t](int code) { t->SetAlignment(quint8(code)); }, kStored);
    rows.List(QStringLiteral("Layout"), kTextLayoutTable, [t] { return int(t->Layout()); }, [t](int code) { t->SetLayout(quint8(code)); },
              kStored);
    rows.Color(QStringLiteral("BackColor"), [t] { return t->Color(); }, [t](TColor color) { t->SetColor(color); },
               kStored);
    rows.Bool(QStringLiteral("Transparent"), [t] { return t->Transparent(); }, [t](bool on) { t->SetTransparent(on); }, kStored);
}

void TextBoxRows(TRowSet& rows, TVoTextBox* box)
{
    LongTextRow(rows, [box] { return box->Text(); }, [box](const QString& text) { box->SetText(text); });
    rows.FontAndColor(QStringLiteral("Font"), QStringLiteral("FontColor"), [box] { return box->Font(); },
                      [box](const TVoFont& font) { box->SetFont(font); }, kStored);
    rows.List(QStringLiteral("Alignment"), kAlignmentTable, [box] { return int(box->Alignment()); },
              [box](int code) { box->SetAlignment(quint8(code)); }, kStored);
    PanelRows(rows, box);
}

void RichTextRows(TRowSet& rows, TVoRichText* rich)
{
    // The panel loads the named file, so the canvas shows it anew.
    rows.File(QStringLiteral("FileName"), [rich] { return rich->FileName(); }, QStringLiteral("Rich Text (*.rtf)|*.rtf"),
              [rich](const QString& text) { rich->SetFileName(text); }, ProjectChanged | CanvasRedraw);
    PanelRows(rows, rich);
}

void BrowserRows(TRowSet& rows, TVoBrowser* browser)
{
    rows.File(QStringLiteral("Website,FileName"), [browser] { return browser->Address(); }, QStringLiteral("All (*.*)|*.*"),
              [browser](const QString& text) { browser->SetAddress(text); }, ProjectChanged | CanvasRedraw);
}

} // namespace

void TInspector::FillKindRows(TVoObject& entry)
{
    TVoObject* object = &entry;
    m_rows.Text(QStringLiteral("Name"), [object] { return object->Name; }, [object](const QString& text) { object->Name = text; },
                SelectorRepaint | ProjectChanged);
    // A name tells one object from the others: it is never given to
    // several at once.
    m_rows.MarkOwn();
    TVoControl* control = entry.Control.get();
    if (auto* button = dynamic_cast<TVoImageButton*>(control))
        ButtonRows(m_rows, button);
    else if (auto* image = dynamic_cast<TVoImage*>(control))
        ImageRows(m_rows, image);
    else if (auto* text = dynamic_cast<TVoSimpleText*>(control))
        TextRows(m_rows, text);
    else if (auto* box = dynamic_cast<TVoTextBox*>(control))
        TextBoxRows(m_rows, box);
    else if (auto* rich = dynamic_cast<TVoRichText*>(control))
        RichTextRows(m_rows, rich);
    else if (auto* browser = dynamic_cast<TVoBrowser*>(control))
        BrowserRows(m_rows, browser);
}
