// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controls/RtfFormatState.h"

#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>

class QTextDocument;

// Document pixels per twip (1/1440 inch), at the 96 dpi text documents lay out at.
constexpr double kPixelsPerTwip = 96.0 / 1440.0;

// Builds a QTextDocument from the body text of an RTF reader: collects runs of equally
// formatted text and turns RTF formatting into Qt's character and block formats.
class RtfDocumentWriter
{
public:
    RtfDocumentWriter(QTextDocument& document, const RtfTables& tables);

    void appendByte(unsigned char byte, int codePage, const RtfCharState& format);
    void appendUnicode(char16_t character, const RtfCharState& format);
    // Ends the current paragraph with the given formatting. The next one starts with the next
    // text, so a final \par adds no empty paragraph.
    void endParagraph(const RtfParaState& paragraph, const RtfCharState& format);
    // Writes pending text and formats the last paragraph unless \par already ended it.
    void finish(const RtfParaState& paragraph, const RtfCharState& format);

private:
    void formatBlock(const RtfParaState& paragraph, const RtfCharState& format);
    void prepare(const RtfCharState& format);
    void flush();
    QTextCharFormat charFormat(const RtfCharState& format) const;
    QTextBlockFormat blockFormat(const RtfParaState& paragraph) const;

    const RtfTables& m_tables;
    QTextCursor m_cursor;
    RtfTextBuffer m_text;
    RtfCharState m_runState;
    bool m_blockPending = false;
    // The formats of the current block; none before the first is formatted.
    std::optional<RtfParaState> m_blockState;
    std::optional<RtfCharState> m_blockCharState;
    QTextBlockFormat m_blockFormat;
    QTextCharFormat m_blockCharFormat;
};
