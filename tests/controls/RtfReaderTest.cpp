// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfReader.h"

#include "controls/RtfTokenizer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString U(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString Read(const QByteArray& rtf)
{
    QTextDocument document;
    ReadRtf(document, rtf);
    return document.toPlainText();
}

// The text of a block, without toPlainText's mapping of no-break spaces and line separators.
QString BlockText(const QTextDocument& document, int block)
{
    return document.findBlockByNumber(block).text();
}

// The format of the last character of the first occurrence of text.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat();
}

QTextBlockFormat BlockFormat(const QTextDocument& document, int block)
{
    return document.findBlockByNumber(block).blockFormat();
}

Qt::Alignment Horizontal(const QTextBlockFormat& format)
{
    return format.alignment() & Qt::AlignHorizontal_Mask;
}

// As WordPad saves a short formatted document with a centred title and a bullet list.
const char kWordPadDocument[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
    "Arial;}{\\f1\\froman\\fcharset238 Times New Roman CE;}{\\f2\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs32 Title\\b0\\fs20\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1 Hello \\b bold\\b0 , \\i italic\\i0 , \\ul under\\ulnone , "
    "\\strike gone\\strike0  and \\cf1 red\\cf0  text.\\par\r\n"
    "\\f1 P\\'f8\\'edli\\'9a \\f0 done\\par\r\n"
    "\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'B7}}"
    "\\fi-360\\li720\\sa200\\sl276\\slmult1 First item\\par\r\n"
    "{\\pntext\\f2\\'B7\\tab}Second item\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\par\r\n"
    "}\r\n";

// As a word processor saves a document: header tables, style sheet, document info, a page
// header, a hyperlink field, bookmarks and theme data around two paragraphs.
const char kWordProcessorDocument[] =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31505"
    "\\stshfloch31506\\deflang1033\\deflangfe1033\\themelang1033\r\n"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New "
    "Roman;}{\\f1\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}\r\n"
    "{\\f37\\fbidi \\fswiss\\fcharset0\\fprq2{\\*\\panose 020f0502020204030204}Calibri;}"
    "{\\f40\\fbidi \\froman\\fcharset238\\fprq2 Times New Roman CE{\\*\\falt Times CE};}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}\r\n"
    "{\\*\\defchp \\f31506\\fs22 }{\\*\\defpap \\ql \\li0\\ri0\\sa160\\sl259\\slmult1 }\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar \\rtlch\\fcs1 \\af31507"
    "\\afs22 \\ltrch\\fcs0 \\f31506\\fs22\\lang1033 \\snext0 \\sqformat \\spriority0 Normal;}"
    "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}}\r\n"
    "{\\*\\rsidtbl \\rsid1003266\\rsid5923339}{\\mmathPr\\mmathFont34\\mbrkBin0}\r\n"
    "{\\info{\\title Quarterly notes}{\\author Jane Roe}{\\creatim\\yr2023\\mo3\\dy14}"
    "{\\version2}}{\\*\\xmlnstbl {\\xmlns1 http://schemas.example.com/wordml}}\r\n"
    "\\paperw12240\\paperh15840\\margl1440\\margr1440\\gutter0\\ltrsect\r\n"
    "{\\header \\pard\\plain \\ltrpar\\qc \\f37\\fs18 Page header text\\par}\r\n"
    "\\pard\\plain \\ltrpar\\qj \\li1440\\ri720\\sb120\\sa240\\widctlpar\\rin720\\lin1440\\itap0 "
    "\\rtlch\\fcs1 \\af31507\\afs22 \\ltrch\\fcs0 \\f37\\fs22\\lang1033 {\\rtlch\\fcs1 \\af31507 "
    "\\ltrch\\fcs0 \\insrsid5923339 Price: 5\\u8364?, caf\\'e9 and }{\\field{\\*\\fldinst "
    "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid5923339  HYPERLINK \"http://example.com/\" }}"
    "{\\fldrslt {\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\ul\\cf2\\insrsid5923339 the site}}}"
    "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid5923339 .}{\\f40\\insrsid5923339 \\'9a}"
    "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid5923339 \\par }\r\n"
    "\\pard \\ltrpar\\ql \\li0\\ri0\\sa160\\sl259\\slmult1 {\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 "
    "\\b\\cf3\\insrsid5923339 Green bold}{\\*\\bkmkstart _GoBack}{\\*\\bkmkend _GoBack}"
    "{\\rtlch\\fcs1 \\af31507 \\ltrch\\fcs0 \\insrsid5923339 \\par }\r\n"
    "{\\*\\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e}\r\n"
    "{\\*\\colorschememapping 3c3f786d6c2076657273696f6e3d22312e30222}\r\n"
    "{\\*\\latentstyles\\lsdstimax376\\lsdlockeddef0{\\lsdlockedexcept \\lsdqformat1 Normal;}}\r\n"
    "{\\*\\datastore 0105000002000000180000004d73786d6c322e534158584d4c}}\r\n";

} // namespace

TEST(RtfReader, ReadsAWordPadDocument)
{
    QTextDocument document;
    ReadRtf(document, kWordPadDocument);

    EXPECT_EQ(document.toPlainText(),
              U(u"Title\nHello bold, italic, under, gone and red text.\n"
                      u"P\u0159\u00edli\u0161 done\n\u2022\tFirst item\n\u2022\tSecond item\n"));
    EXPECT_EQ(document.blockCount(), 6);

    EXPECT_EQ(Horizontal(BlockFormat(document, 0)), Qt::AlignHCenter);
    EXPECT_EQ(Horizontal(BlockFormat(document, 1)), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 1).bottomMargin(), 200 / 15.0);
    EXPECT_EQ(BlockFormat(document, 1).lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 1).lineHeight(), 115.0);
    // The hanging bullet: 720 twips = 48 px indent, first line 360 twips = 24 px out.
    EXPECT_DOUBLE_EQ(BlockFormat(document, 3).leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 3).textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 4).leftMargin(), 48.0);

    const QTextCharFormat title = FormatOf(document, "Title");
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 16.0);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{"Arial"});

    EXPECT_EQ(FormatOf(document, "Hello").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(FormatOf(document, "Hello").fontPointSize(), 10.0);
    EXPECT_EQ(FormatOf(document, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(document, "italic").fontItalic());
    EXPECT_FALSE(FormatOf(document, "italic,").fontItalic());
    EXPECT_TRUE(FormatOf(document, "under").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "under,").fontUnderline());
    EXPECT_TRUE(FormatOf(document, "gone").fontStrikeOut());
    EXPECT_EQ(FormatOf(document, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "text").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(document, U(u"P\u0159")).fontFamilies().toStringList(),
              QStringList{"Times New Roman CE"});
    EXPECT_EQ(FormatOf(document, "done").fontFamilies().toStringList(), QStringList{"Arial"});
}

TEST(RtfReader, ReadsAWordProcessorDocumentShowingOnlyItsBody)
{
    QTextDocument document;
    ReadRtf(document, kWordProcessorDocument);

    EXPECT_EQ(document.toPlainText(),
              U(u"Price: 5\u20ac, caf\u00e9 and the site.\u0161\nGreen bold"));

    const QTextBlockFormat first = BlockFormat(document, 0);
    EXPECT_EQ(Horizontal(first), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(first.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(first.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(first.topMargin(), 8.0);
    EXPECT_DOUBLE_EQ(first.bottomMargin(), 16.0);
    const QTextBlockFormat second = BlockFormat(document, 1);
    EXPECT_EQ(Horizontal(second), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(second.leftMargin(), 0.0);

    const QTextCharFormat price = FormatOf(document, "Price");
    EXPECT_EQ(price.fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_DOUBLE_EQ(price.fontPointSize(), 11.0);
    const QTextCharFormat link = FormatOf(document, "the site");
    EXPECT_TRUE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(FormatOf(document, ".").fontUnderline());
    EXPECT_EQ(FormatOf(document, U(u"\u0161")).fontFamilies().toStringList(),
              QStringList{"Times New Roman CE"});
    const QTextCharFormat green = FormatOf(document, "Green bold");
    EXPECT_EQ(green.fontWeight(), QFont::Bold);
    EXPECT_EQ(green.foreground().color(), QColor(0, 128, 0));
}

TEST(RtfReader, CharacterFormattingFollowsGroupsAndPlain)
{
    QTextDocument document;
    ReadRtf(document,
            "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;\\red200\\green200\\blue0;}"
            "a{\\b\\i b{\\ul\\fs40 c}d}e \\b1 f\\b0 g \\ul h\\ul0 i \\uldb j\\ulnone k "
            "\\highlight2 l\\highlight0 m \\cb1 n\\plain o {\\v hidden}p \\super q\\nosupersub r "
            "\\fs0 s}");

    EXPECT_EQ(document.toPlainText(), "abcde fg hi jk lm no p qr s");
    EXPECT_EQ(FormatOf(document, "a").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(FormatOf(document, "a").fontPointSize(), 12.0);
    EXPECT_EQ(FormatOf(document, "b").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(document, "b").fontItalic());
    const QTextCharFormat c = FormatOf(document, "c");
    EXPECT_TRUE(c.fontUnderline() && c.fontItalic() && c.fontWeight() == QFont::Bold);
    EXPECT_DOUBLE_EQ(c.fontPointSize(), 20.0);
    EXPECT_FALSE(FormatOf(document, "d").fontUnderline());
    EXPECT_DOUBLE_EQ(FormatOf(document, "d").fontPointSize(), 12.0);
    EXPECT_EQ(FormatOf(document, "e").fontWeight(), QFont::Normal);
    EXPECT_FALSE(FormatOf(document, "e").fontItalic());
    EXPECT_EQ(FormatOf(document, "f").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "g").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf(document, "h").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "i").fontUnderline());
    EXPECT_TRUE(FormatOf(document, "j").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "k").fontUnderline());
    EXPECT_EQ(FormatOf(document, "l").background().color(), QColor(200, 200, 0));
    EXPECT_EQ(FormatOf(document, "m").background().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(document, "n").background().color(), QColor(1, 2, 3));
    EXPECT_EQ(FormatOf(document, "o").background().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(document, "q").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(FormatOf(document, "r").verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_DOUBLE_EQ(FormatOf(document, "s").fontPointSize(), 12.0);
}

TEST(RtfReader, ParagraphFormattingAppliesToTheParagraphItEnds)
{
    QTextDocument document;
    ReadRtf(document,
            "{\\rtf1\\pard\\qr right\\par\\qc centred\\par\\qj\\li1440\\ri2880\\fi720\\sb300\\sa60 "
            "justified\\par\\pard reset\\par{\\pard\\qc inner\\par}outer\\sl-480 exact\\par"
            "\\ql\\sl360 least}");

    ASSERT_EQ(document.blockCount(), 7);
    EXPECT_EQ(Horizontal(BlockFormat(document, 0)), Qt::AlignRight);
    EXPECT_EQ(Horizontal(BlockFormat(document, 1)), Qt::AlignHCenter);
    const QTextBlockFormat justified = BlockFormat(document, 2);
    EXPECT_EQ(Horizontal(justified), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(justified.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(justified.rightMargin(), 192.0);
    EXPECT_DOUBLE_EQ(justified.textIndent(), 48.0);
    EXPECT_DOUBLE_EQ(justified.topMargin(), 20.0);
    EXPECT_DOUBLE_EQ(justified.bottomMargin(), 4.0);
    const QTextBlockFormat reset = BlockFormat(document, 3);
    EXPECT_EQ(Horizontal(reset), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(reset.leftMargin(), 0.0);
    EXPECT_DOUBLE_EQ(reset.textIndent(), 0.0);
    EXPECT_EQ(Horizontal(BlockFormat(document, 4)), Qt::AlignHCenter);
    // Paragraph properties set inside a group end with it, so "outer" is left-aligned.
    EXPECT_EQ(BlockText(document, 5), "outerexact");
    EXPECT_EQ(Horizontal(BlockFormat(document, 5)), Qt::AlignLeft);
    EXPECT_EQ(BlockFormat(document, 5).lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 5).lineHeight(), 32.0);
    // The last paragraph, closed by the document's brace rather than \par.
    EXPECT_EQ(BlockText(document, 6), "least");
    EXPECT_EQ(BlockFormat(document, 6).lineHeightType(), QTextBlockFormat::MinimumHeight);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 6).lineHeight(), 24.0);
}

TEST(RtfReader, LastParagraphWithoutParKeepsItsFormat)
{
    QTextDocument document;
    ReadRtf(document, "{\\rtf1\\pard\\qc\\li720 only}");
    ASSERT_EQ(document.blockCount(), 1);
    EXPECT_EQ(Horizontal(BlockFormat(document, 0)), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(BlockFormat(document, 0).leftMargin(), 48.0);

    // Missing closing brace: the formatting in effect at the end applies.
    ReadRtf(document, "{\\rtf1\\pard\\qr first\\par\\qc second");
    EXPECT_EQ(document.toPlainText(), "first\nsecond");
    EXPECT_EQ(Horizontal(BlockFormat(document, 1)), Qt::AlignHCenter);
}

TEST(RtfReader, SymbolWordsEscapesAndBreaks)
{
    QTextDocument document;
    ReadRtf(document,
            "{\\rtf1 a\\~b\\-c\\_d\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"
            " \\\\\\{\\} x\\tab y\\line z\\par\\par\r\nend\\\r\nnext\\par}");

    EXPECT_EQ(BlockText(document, 0),
              U(u"a\u00a0bc\u2011d\u2014\u2013\u2022\u2018\u2019\u201c\u201d\\{} x\ty"
                      u"\u2028z"));
    EXPECT_EQ(BlockText(document, 1), "");
    EXPECT_EQ(BlockText(document, 2), "end");
    EXPECT_EQ(BlockText(document, 3), "next");
    // The final \par ends the last paragraph rather than opening an empty one.
    EXPECT_EQ(document.blockCount(), 4);
    // Line breaks and raw tabs in the file: the former are ignored.
    EXPECT_EQ(Read("{\\rtf1 one\r\ntwo\n\tthree}"), "onetwo\tthree");
}

TEST(RtfReader, UnicodeAndItsFallbackCharacters)
{
    // \uN skips \ucN following characters: plain bytes, escapes and control words alike,
    // never past the group's end.
    EXPECT_EQ(Read("{\\rtf1 \\u8364?x\\u8364\\'80y\\uc0\\u8364 z\\uc2\\u20013\\'d6\\'d0w"
                   "\\uc1\\u-3913\\'b7 {\\u8364}v {\\uc3\\u937 abcd} \\u8220\\ldblquote q}"),
              U(u"\u20acx\u20acy\u20acz\u4e2dw\uf0b7 \u20acv \u03a9d \u201cq"));
    // A surrogate pair written as two negative code units.
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?\\u-8704?}"), U(u"\U0001f600"));
    // Out-of-range values become the replacement character.
    EXPECT_EQ(Read("{\\rtf1 \\u70000?}"), U(u"\ufffd"));
}

TEST(RtfReader, EscapedBytesUseTheCodePageOfTheFont)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil Default;}{\\f1\\fcharset238 CE;}"
        "{\\f2\\fcharset161 Greek;}{\\f3\\fcharset162 Turkish;}{\\f4\\fcharset186 Baltic;}"
        "{\\f5\\fcharset0 Western;}{\\f6\\fcharset1 System;}{\\f7\\fcharset134 SimSun;}"
        "{\\f8\\fcharset2 Wingdings;}{\\f9\\fcharset0\\cpg1253 Forced;}}"
        "\\'c0\\'e1 \\f1\\'9a\\'e8 \\f2\\'e1\\'e2 \\f3\\'fe\\'f0 \\f4\\'e0\\'e8 \\f5\\'e9\\'80 "
        "\\f6\\'c0 \\f7\\'d6\\'d0\\'ce\\'c4 \\f8\\'a7\\'fc \\f9\\'e1 \\f99\\'c0}";
    EXPECT_EQ(Read(rtf), U(u"\u0410\u0431 \u0161\u010d \u03b1\u03b2 \u015f\u011f "
                                 u"\u0105\u010d \u00e9\u20ac \u0410 \u4e2d\u6587 "
                                 u"\u25aa\u2714 \u03b1 \u0410"));
    // Raw 8-bit text, the Macintosh character set and a truncated escape.
    EXPECT_EQ(Read("{\\rtf1\\ansi caf\xe9}"), U(u"caf\u00e9"));
    EXPECT_EQ(Read("{\\rtf1\\mac \\'8e}"), U(u"\u00e9"));
    // A truncated escape still stands for the digit it has, here a control character.
    EXPECT_EQ(Read("{\\rtf1 a\\'4z\\'4"), "az");
}

TEST(RtfReader, FontTableEntriesWithoutGroupsAndWithAlternates)
{
    QTextDocument document;
    ReadRtf(document,
            "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}"
            "{\\fonttbl{\\f2 Lucida Sans{\\*\\falt Tahoma};}{\\f3\\fcharset128 \\'82\\'6c\\'82\\'72 "
            "Mincho;}}\\f0 h\\f1 c\\f2 l\\f3 m}");
    EXPECT_EQ(document.toPlainText(), "hclm");
    EXPECT_EQ(FormatOf(document, "h").fontFamilies().toStringList(), QStringList{"Helvetica"});
    EXPECT_EQ(FormatOf(document, "c").fontFamilies().toStringList(), QStringList{"Courier"});
    EXPECT_EQ(FormatOf(document, "l").fontFamilies().toStringList(), QStringList{"Lucida Sans"});
    EXPECT_EQ(FormatOf(document, "m").fontFamilies().toStringList(),
              QStringList{U(u"\uff2d\uff33 Mincho")});
}

TEST(RtfReader, DestinationsWithoutBodyTextAreSkipped)
{
    EXPECT_EQ(Read("{\\rtf1{\\*\\unknownthing hidden {nested} text}shown"
                   "{\\info{\\title T}{\\author A}}{\\stylesheet{\\s1 Heading;}}"
                   "{\\header head}{\\footer foot}{\\footnote note}{\\*\\bkmkstart mark}"
                   "{\\pict\\wmetafile8 0123abcd}{\\object\\objemb{\\*\\objdata 0102}{\\result r}}"
                   "{\\field{\\*\\fldinst PAGE }{\\fldrslt 7}}"
                   "{\\listtable{\\list{\\listlevel{\\leveltext\\'01\\'b7;}}}}"
                   "{\\pict\\bin6 }}{{\\'}-after{\\*\\x\\bin3 a}b}c}"),
              "shown7-afterc");
    // \bin with a length past the end of the data.
    EXPECT_EQ(Read("{\\rtf1 a{\\pict\\bin999999 xyz"), "a");
    EXPECT_EQ(Read("{\\rtf1 a\\bin-5 b}"), "ab");
}

TEST(RtfReader, TextThatIsNotRtfIsShownAsPlainText)
{
    EXPECT_EQ(Read("plain caf\xe9 \x93quoted\x94\r\nsecond"),
              U(u"plain caf\u00e9 \u201cquoted\u201d\nsecond"));
    EXPECT_EQ(Read("{\\rtf"), "");
    EXPECT_EQ(Read("{\\rt1 x}"), "{\\rt1 x}");
    EXPECT_EQ(Read(" \r\n\t{\\rtf1 lead}"), "lead");
    EXPECT_EQ(Read(""), "");
}

TEST(RtfReader, ReplacesThePreviousContent)
{
    QTextDocument document;
    document.setPlainText("old\nlines");
    ReadRtf(document, "{\\rtf1 new}");
    EXPECT_EQ(document.toPlainText(), "new");
    EXPECT_TRUE(document.isUndoRedoEnabled());
    EXPECT_FALSE(document.isUndoAvailable());
}

TEST(RtfReader, MalformedInputIsReadAsFarAsItGoes)
{
    // Text after the document's closing brace is ignored, so are stray closing braces.
    EXPECT_EQ(Read("{\\rtf1 a}}} b}"), "a");
    EXPECT_EQ(Read("{\\rtf1 a{\\b b"), "ab");
    EXPECT_EQ(Read("{\\rtf1 a\\"), "a");
    EXPECT_EQ(Read("{\\rtf1 a\\par"), "a");
    const char withNul[] = "{\\rtf1 a\0b\\'41\0}";
    EXPECT_EQ(Read(QByteArray(withNul, sizeof(withNul) - 1)), "abA");
    // Parameters beyond the int range are clamped, extra digits consumed.
    QTextDocument document;
    ReadRtf(document, "{\\rtf1\\fs99999999999999999 big\\li-99999999999 x\\par\\fs-4 y}");
    EXPECT_EQ(document.toPlainText(), "bigx\ny");
    EXPECT_GT(FormatOf(document, "big").fontPointSize(), 12.0);
    EXPECT_LT(BlockFormat(document, 0).leftMargin(), 0.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "y").fontPointSize(), 12.0);
    // A control word longer than 32 letters is not mistaken for a known one.
    EXPECT_EQ(Read("{\\rtf1 \\" + QByteArray(40, 'b') + " x}"), "x");
}

TEST(RtfReader, DeepNestingKeepsTheOuterFormatting)
{
    const int depth = 5000;
    QTextDocument document;
    ReadRtf(document, "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}')
                          + " after}");
    EXPECT_EQ(document.toPlainText(), "deep after");
    EXPECT_EQ(FormatOf(document, "deep").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "after").fontWeight(), QFont::Normal);
}

TEST(RtfReader, LargeInputIsReadWhole)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}";
    const QByteArray paragraph = "{\\b word} \\'e9\\u8364?{\\*\\skip x}\\par\n";
    const int paragraphs = 50000;
    rtf.reserve(rtf.size() + paragraph.size() * paragraphs + 1);
    for (int i = 0; i < paragraphs; ++i)
        rtf += paragraph;
    rtf += "end}";
    QTextDocument document;
    ReadRtf(document, rtf);
    EXPECT_EQ(document.blockCount(), paragraphs + 1);
    EXPECT_EQ(BlockText(document, paragraphs / 2), U(u"word \u00e9\u20ac"));
    EXPECT_EQ(BlockText(document, paragraphs), "end");
}

TEST(RtfReader, SurvivesRandomAndMutatedInput)
{
    const QList<QByteArray> seeds = {kWordPadDocument, kWordProcessorDocument,
                                     "{\\rtf1{\\fonttbl{\\f0\\fcharset134 S;}}\\f0\\'d6\\'d0\\uc2"
                                     "\\u20013\\'d6\\'d0{\\pict\\bin4 {{}}}\\par}"};
    const QByteArray alphabet = "{}\\'*;0123456789-abcdefpqrsuvx \r\n\x80\xff";
    QRandomGenerator random(20240611);
    QTextDocument document;
    for (int round = 0; round < 3000; ++round) {
        QByteArray input;
        if (round % 3 == 0) {
            // Random bytes from RTF's syntax characters after a valid header.
            input = "{\\rtf1 ";
            const int length = random.bounded(400);
            for (int i = 0; i < length; ++i)
                input += alphabet[random.bounded(int(alphabet.size()))];
        } else {
            input = seeds[random.bounded(int(seeds.size()))];
            const int mutations = 1 + random.bounded(12);
            for (int m = 0; m < mutations; ++m) {
                const int at = random.bounded(int(input.size()));
                switch (random.bounded(4)) {
                case 0: input[at] = char(random.bounded(256)); break;
                case 1: input.remove(at, random.bounded(1, 40)); break;
                case 2: input.insert(at, alphabet[random.bounded(int(alphabet.size()))]); break;
                case 3: input.truncate(at + 1); break;
                }
                if (input.isEmpty())
                    input = "{";
            }
        }
        ReadRtf(document, input);
        // Every character shown comes from at least one input byte.
        ASSERT_LE(document.toPlainText().size(), input.size()) << input.toStdString();
    }
}

TEST(RtfReader, LoadsFilesAndEmptiesTheDocumentOnFailure)
{
    TempDir dir;
    QTextDocument document;
    ASSERT_TRUE(LoadRichTextFile(document, dir.Write("note.rtf", "{\\rtf1 \\b saved\\b0}")));
    EXPECT_EQ(document.toPlainText(), "saved");
    EXPECT_EQ(FormatOf(document, "saved").fontWeight(), QFont::Bold);

    EXPECT_FALSE(LoadRichTextFile(document, dir.File("missing.rtf")));
    EXPECT_TRUE(document.isEmpty());
}

TEST(RtfTokenizer, SplitsControlWordsSymbolsAndText)
{
    RtfTokenizer tokenizer("{\\fs-24 ab\\'e9\\par\\b0x\\tab1\\-\\bin3 {}\\\\z-q\\abc12345678901234 "
                           "\\'g}");
    const auto next = [&] { return tokenizer.next(); };
    EXPECT_EQ(next().kind, RtfToken::Kind::GroupStart);
    RtfToken token = next();
    EXPECT_EQ(token.kind, RtfToken::Kind::ControlWord);
    EXPECT_EQ(token.bytes, "fs");
    EXPECT_TRUE(token.hasParameter);
    EXPECT_EQ(token.parameter, -24);
    token = next(); // the delimiting space is not text
    EXPECT_EQ(token.kind, RtfToken::Kind::Text);
    EXPECT_EQ(token.bytes, "ab");
    token = next();
    EXPECT_EQ(token.kind, RtfToken::Kind::HexByte);
    EXPECT_EQ(token.symbol, 0xe9);
    token = next();
    EXPECT_EQ(token.bytes, "par");
    EXPECT_FALSE(token.hasParameter);
    token = next();
    EXPECT_EQ(token.bytes, "b");
    EXPECT_EQ(token.parameter, 0);
    EXPECT_EQ(next().bytes, "x");
    token = next();
    EXPECT_EQ(token.bytes, "tab");
    EXPECT_EQ(token.parameter, 1);
    token = next();
    EXPECT_EQ(token.kind, RtfToken::Kind::ControlSymbol);
    EXPECT_EQ(token.symbol, '-');
    token = next();
    EXPECT_EQ(token.kind, RtfToken::Kind::Binary);
    EXPECT_EQ(token.bytes, "{}\\");
    token = next();
    EXPECT_EQ(token.bytes, "z");
    EXPECT_FALSE(token.hasParameter);
    EXPECT_EQ(next().bytes, "-q"); // a minus without digits is text
    token = next();
    EXPECT_EQ(token.bytes, "abc");
    EXPECT_EQ(token.parameter, 1234567890);
    token = next();
    EXPECT_EQ(token.kind, RtfToken::Kind::ControlSymbol);
    EXPECT_EQ(token.symbol, '\'');
    EXPECT_EQ(next().bytes, "g");
    EXPECT_EQ(next().kind, RtfToken::Kind::GroupEnd);
    EXPECT_EQ(next().kind, RtfToken::Kind::End);
    EXPECT_EQ(next().kind, RtfToken::Kind::End);
}
