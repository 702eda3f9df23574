// SPDX-License-Identifier: GPL-2.0-or-later
// The kind records of all six controls: their exact bytes, reading them
// back, and the one box each kind of bad record gives.
#include "KindRecordTesting.h"
#include "support/ProcessStateGuard.h"

#include "controls/TextControlLook.h"
#include "controls/VoBrowser.h"
#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"

#include <functional>
#include <vector>

namespace {

std::unique_ptr<TVoControl> CustomButton()
{
    auto button = std::make_unique<TVoImageButton>();
    button->SetCaption(QStringLiteral("Go"));
    button->SetNormalFont(MakeFont("Arial", 0x112233, 12, 0, fsBold));
    button->SetMouseOverFont(MakeFont("Tahoma", clRed, 9, 2, fsItalic | fsUnderline));
    button->SetHint(QStringLiteral("Tip"));
    button->SetCursor(crHandPoint);
    button->SetButtonStyle(btsThemesFlat);
    button->SetMargin(300);
    button->SetImageLayout(4);
    button->SetSpacing(-3);
    button->SetDownSlide(false);
    return button;
}

std::unique_ptr<TVoControl> CustomImage()
{
    auto image = std::make_unique<TVoImage>();
    image->SetPicture(PictureOf(GraphicKind::Bitmap, 6, 4));
    image->SetHint(QStringLiteral("Logo"));
    image->SetCursor(crArrow);
    image->SetAutoSize(true);
    image->SetCenter(true);
    image->SetTransparent(true);
    return image;
}

std::unique_ptr<TVoControl> CustomSimpleText()
{
    auto text = std::make_unique<TVoSimpleText>();
    text->SetCaption(QStringLiteral("A & B"));
    text->SetFont(MakeFont("Serif", 0x00FF00, 14, 1, fsStrikeOut));
    text->SetHint(QStringLiteral("h"));
    text->SetCursor(-3);
    text->SetAlignment(taCenter);
    text->SetLayout(tlBottom);
    text->SetColor(0x123456);
    text->SetTransparent(false);
    return text;
}

std::unique_ptr<TVoControl> CustomTextBox()
{
    auto box = std::make_unique<TVoTextBox>();
    box->SetText(QStringLiteral("one\r\ntwo"));
    box->SetFont(MakeFont("Mono", 0x0000FF, 10, 0, fsBold | fsItalic));
    box->SetHint(QStringLiteral("Read me"));
    box->SetCursor(crHandPoint);
    box->SetAlignment(taRightJustify);
    box->SetWordWrap(false);
    box->SetScrollBars(ssBoth);
    box->SetColor(0x00ABCDEF);
    box->SetBorderStyle(tbsNone);
    box->SetTabStop(true);
    return box;
}

std::unique_ptr<TVoControl> CustomRichText()
{
    auto panel = std::make_unique<TVoRichText>();
    panel->SetFileName(QStringLiteral("\\docs\\readme.rtf"));
    panel->SetFont(MakeFont("Sans", clBlack, 11, 1, fsUnderline));
    panel->SetHint(QStringLiteral("About"));
    panel->SetCursor(-4);
    panel->SetAlignment(taCenter);
    panel->SetWordWrap(false);
    panel->SetPlainText(true);
    panel->SetScrollBars(ssHorizontal);
    panel->SetColor(clBtnFace);
    panel->SetBorderStyle(tbsNone);
    panel->SetTabStop(true);
    return panel;
}

std::unique_ptr<TVoControl> CustomBrowser()
{
    auto browser = std::make_unique<TVoBrowser>();
    browser->SetAddress(QStringLiteral("www.example.com"));
    return browser;
}

template <class Control>
std::unique_ptr<TVoControl> New()
{
    return std::make_unique<Control>();
}

struct TKindCase {
    const char* name;
    std::function<std::unique_ptr<TVoControl>()> make;
    std::function<std::unique_ptr<TVoControl>()> custom;
    // Cut lengths (negative: from the end) and the code each must report.
    std::vector<std::pair<int, int>> cuts;
};

const std::vector<TKindCase>& KindCases()
{
    static const std::vector<TKindCase> cases = {
        {"button", New<TVoImageButton>, CustomButton,
         {{2, 4002}, {9, 1004}, {22, 1002}, {-12, 4002}, {-1, 4002}}},
        {"image", New<TVoImage>, CustomImage, {{3, 4004}, {39, 1006}, {-5, 4004}}},
        {"simple text", New<TVoSimpleText>, CustomSimpleText,
         {{1, 4006}, {10, 1004}, {24, 1002}, {-3, 4006}}},
        {"text box", New<TVoTextBox>, CustomTextBox,
         {{0, 4012}, {13, 1004}, {30, 1002}, {-4, 4012}}},
        {"rich text", New<TVoRichText>, CustomRichText,
         {{2, 4010}, {11, 1004}, {37, 1002}, {-2, 4010}}},
        {"browser", New<TVoBrowser>, CustomBrowser, {{3, 4008}, {10, 1004}}},
    };
    return cases;
}

// The studio without a project folder: the rich-text panel finds no file
// and the browser stays empty.
class KindRecords : public testing::Test {
    ProcessStateGuard m_state{true, QString()};
};

} // namespace

TEST_F(KindRecords, FieldsHaveTheirStoredWidthsInOrder)
{
    EXPECT_EQ(WriteKind(*CustomButton()), TExpectedBytes()
                                              .I32(0)
                                              .Str("Go")
                                              .Font("Arial", 0x112233, 12, 0, fsBold)
                                              .Font("Tahoma", clRed, 9, 2, fsItalic | fsUnderline)
                                              .Str("")
                                              .Str("")
                                              .Str("Tip")
                                              .I16(crHandPoint)
                                              .U8(btsThemesFlat)
                                              .I32(300)
                                              .U8(4)
                                              .I32(-3)
                                              .U8(0)
                                              .Data());
    EXPECT_EQ(WriteKind(*CustomTextBox()), TExpectedBytes()
                                               .I32(0)
                                               .Str("one\r\ntwo")
                                               .Font("Mono", 0x0000FF, 10, 0, fsBold | fsItalic)
                                               .Str("Read me")
                                               .I16(crHandPoint)
                                               .U8(taRightJustify)
                                               .U8(0)
                                               .U8(ssBoth)
                                               .I32(0x00ABCDEF)
                                               .U8(tbsNone)
                                               .U8(1)
                                               .Data());
    EXPECT_EQ(WriteKind(*CustomBrowser()), TExpectedBytes().I32(0).Str("www.example.com").Data());
    // After the picture: hint, cursor, AutoSize, Center, Stretch, Transparent;
    // Proportional is not kept.
    auto image = CustomImage();
    static_cast<TVoImage&>(*image).SetProportional(true);
    EXPECT_TRUE(WriteKind(*image).endsWith(
        TExpectedBytes().Str("Logo").I16(crArrow).U8(1).U8(1).U8(0).U8(1).Data()));
    EXPECT_EQ(WriteKind(*image), WriteKind(*CustomImage()));
}

TEST_F(KindRecords, ReadingBackGivesEveryFieldAgain)
{
    for (const TKindCase& c : KindCases()) {
        SCOPED_TRACE(c.name);
        const QByteArray record = WriteKind(*c.custom());
        ASSERT_NE(record, WriteKind(*c.make())); // the custom values are not the defaults
        auto control = c.make();
        const TReadOutcome outcome = ReadKind(*control, record);
        EXPECT_TRUE(outcome.ok);
        EXPECT_TRUE(outcome.boxes.isEmpty());
        EXPECT_EQ(WriteKind(*control), record);
    }
}

TEST_F(KindRecords, OtherVersionsGiveOnlyADataError)
{
    for (const TKindCase& c : KindCases()) {
        SCOPED_TRACE(c.name);
        QByteArray record = WriteKind(*c.custom());
        record[0] = 1;
        auto control = c.make();
        const TReadOutcome outcome = ReadKind(*control, record);
        EXPECT_FALSE(outcome.ok);
        ASSERT_EQ(outcome.boxes.size(), 1);
        EXPECT_EQ(outcome.boxes[0].caption, "Data Error");
        EXPECT_EQ(outcome.boxes[0].text, "Invalid data, maybe software version problem.");
    }
}

TEST_F(KindRecords, ACutRecordGivesOneErrorWithTheCodeOfTheReaderThatMetTheEnd)
{
    for (const TKindCase& c : KindCases()) {
        SCOPED_TRACE(c.name);
        const QByteArray record = WriteKind(*c.custom());
        for (const auto& [cut, code] : c.cuts) {
            const int length = cut < 0 ? int(record.size()) + cut : cut;
            SCOPED_TRACE(testing::Message() << "cut at " << length);
            auto control = c.make();
            const TReadOutcome outcome = ReadKind(*control, record.left(length));
            EXPECT_FALSE(outcome.ok);
            ASSERT_EQ(outcome.boxes.size(), 1);
            EXPECT_EQ(outcome.boxes[0].caption, "Error");
            EXPECT_TRUE(outcome.boxes[0].text.endsWith(QStringLiteral("-%1).").arg(code)))
                << outcome.boxes[0].text.toStdString();
        }
        for (int length = 0; length < record.size(); ++length) {
            auto control = c.make();
            const TReadOutcome outcome = ReadKind(*control, record.left(length));
            EXPECT_FALSE(outcome.ok) << "cut at " << length;
            EXPECT_EQ(outcome.boxes.size(), 1) << "cut at " << length;
        }
    }
}
