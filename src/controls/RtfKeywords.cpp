// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfKeywords.h"

#include <string_view>
#include <unordered_map>

namespace {

using Table = std::unordered_map<std::string_view, RtfKeywordEntry>;

Table BuildTable()
{
    using K = RtfKeyword;
    Table table = {
        {"fonttbl", {K::FontTable}},
        {"colortbl", {K::ColourTable}},
        {"ansi", {K::Ansi}},
        {"mac", {K::Mac}},
        {"pc", {K::Pc}},
        {"pca", {K::Pca}},
        {"ansicpg", {K::AnsiCodePage}},
        {"deff", {K::DefaultFont}},
        {"uc", {K::UnicodeSkip}},
        {"u", {K::Unicode}},
        {"fcharset", {K::FontCharset}},
        {"cpg", {K::FontCodePage}},
        {"red", {K::Red}},
        {"green", {K::Green}},
        {"blue", {K::Blue}},
        {"plain", {K::Plain}},
        {"b", {K::Bold}},
        {"i", {K::Italic}},
        {"ul", {K::Underline}},
        {"ulnone", {K::UnderlineNone}},
        {"strike", {K::StrikeOut}},
        {"striked", {K::StrikeOut}},
        {"v", {K::Hidden}},
        {"super", {K::Superscript}},
        {"sub", {K::Subscript}},
        {"nosupersub", {K::NoSuperSub}},
        {"f", {K::Font}},
        {"fs", {K::FontSize}},
        {"cf", {K::Foreground}},
        {"cb", {K::Background}},
        {"highlight", {K::Background}},
        {"chcbpat", {K::Background}},
        {"pard", {K::ParagraphDefault}},
        {"ql", {K::AlignLeft}},
        {"qr", {K::AlignRight}},
        {"qc", {K::AlignCenter}},
        {"qj", {K::AlignJustify}},
        {"qd", {K::AlignJustify}},
        {"li", {K::LeftIndent}},
        {"ri", {K::RightIndent}},
        {"fi", {K::FirstLineIndent}},
        {"sb", {K::SpaceBefore}},
        {"sa", {K::SpaceAfter}},
        {"sl", {K::LineSpacing}},
        {"slmult", {K::LineSpacingMultiple}},
        {"par", {K::Paragraph}},
        {"sect", {K::Paragraph}},
        {"page", {K::Paragraph}},
        {"row", {K::Paragraph}},
        {"nestrow", {K::Paragraph}},
        {"line", {K::Character, 0x2028}},
        {"tab", {K::Character, u'\t'}},
        {"cell", {K::Character, u'\t'}},
        {"nestcell", {K::Character, u'\t'}},
        {"emdash", {K::Character, 0x2014}},
        {"endash", {K::Character, 0x2013}},
        {"emspace", {K::Character, 0x2003}},
        {"enspace", {K::Character, 0x2002}},
        {"qmspace", {K::Character, 0x2005}},
        {"bullet", {K::Character, 0x2022}},
        {"lquote", {K::Character, 0x2018}},
        {"rquote", {K::Character, 0x2019}},
        {"ldblquote", {K::Character, 0x201C}},
        {"rdblquote", {K::Character, 0x201D}},
        {"zwj", {K::Character, 0x200D}},
        {"zwnj", {K::Character, 0x200C}},
        {"ltrmark", {K::Character, 0x200E}},
        {"rtlmark", {K::Character, 0x200F}},
    };
    // Underline styles are all shown as a plain underline.
    for (const char* word : {"uld", "uldb", "ulw", "ulwave", "ulhwave", "ululdbwave", "ulth",
                             "uldash", "uldashd", "uldashdd", "ulldash", "ulthd", "ulthdash",
                             "ulthdashd", "ulthdashdd", "ulthldash"}) {
        table.emplace(word, RtfKeywordEntry{K::Underline});
    }
    // Destinations holding no text to show; \fldinst is a field's code, whose result
    // (\fldrslt) is shown instead.
    for (const char* word :
         {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
          "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "listtable",
          "listoverridetable", "rsidtbl", "generator", "themedata", "colorschememapping",
          "latentstyles", "datastore", "xmlnstbl", "fldinst", "filetbl", "revtbl", "pn",
          "shp", "nonshppict", "do", "xe", "tc", "txe", "rxe", "template", "userprops",
          "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "pgdsctbl",
          "mmathPr", "background", "protusertbl", "docvar", "bkmkstart", "bkmkend",
          "fchars", "lchars", "atrfstart", "atrfend", "atnid", "atnauthor"}) {
        table.emplace(word, RtfKeywordEntry{K::SkippedDestination});
    }
    return table;
}

} // namespace

RtfKeywordEntry LookUpRtfKeyword(QByteArrayView word)
{
    static const Table table = BuildTable();
    const auto it = table.find(std::string_view(word.data(), std::size_t(word.size())));
    return it == table.end() ? RtfKeywordEntry{} : it->second;
}
