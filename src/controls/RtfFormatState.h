// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/RtfCodePages.h"

#include <QColor>
#include <QList>
#include <QString>

#include <map>

// Character formatting in effect at a point of an RTF document.
struct RtfCharState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool hidden = false;
    // 1 superscript, -1 subscript, 0 neither.
    int verticalShift = 0;
    // Index into the font table; -1 for the document's default font.
    int font = -1;
    int halfPoints = 24;
    // Indices into the colour table; 0 is the automatic colour.
    int foreground = 0;
    int background = 0;

    bool operator==(const RtfCharState&) const = default;
};

enum class RtfAlignment { Left, Right, Center, Justify };

// Paragraph formatting in effect; lengths are in twips (1/1440 inch).
struct RtfParaState
{
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    // \slN: positive is "at least", negative "exactly"; with \slmult1 a multiple of 240.
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;

    bool operator==(const RtfParaState&) const = default;
};

struct RtfFont
{
    QString name;
    int charset = -1;
    // From \cpgN; 0 when the charset decides.
    int codePage = 0;
};

// The document-wide tables and settings that formatting indices refer to.
struct RtfTables
{
    std::map<int, RtfFont> fonts;
    // Entries left empty in the colour table are invalid colours, meaning automatic.
    QList<QColor> colours;
    int defaultFont = 0;
    int codePage = kDefaultCodePage;

    const RtfFont* font(int index) const
    {
        const auto it = fonts.find(index < 0 ? defaultFont : index);
        return it == fonts.end() ? nullptr : &it->second;
    }

    int codePageOfFont(int index) const
    {
        const RtfFont* entry = font(index);
        if (!entry)
            return codePage;
        if (entry->codePage > 0)
            return entry->codePage;
        return CodePageForCharset(entry->charset, entry->name, codePage);
    }
};
