// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// What an RTF control word means to the reader. Words with the same effect share a value.
enum class RtfKeyword {
    Unknown,
    // A destination whose content is not shown (document info, pictures, headers, ...).
    SkippedDestination,
    // A word that stands for one character, given by RtfKeywordEntry::character.
    Character,
    FontTable,
    ColourTable,
    // Document.
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // Font and colour tables.
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Character formatting.
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    StrikeOut,
    Hidden,
    Superscript,
    Subscript,
    NoSuperSub,
    Font,
    FontSize,
    Foreground,
    Background,
    // Paragraph formatting.
    ParagraphDefault,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineSpacingMultiple,
    // Ends a paragraph: \par and the section, page and table row ends.
    Paragraph,
};

struct RtfKeywordEntry
{
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t character = 0;
};

RtfKeywordEntry LookUpRtfKeyword(QByteArrayView word);
