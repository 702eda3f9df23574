// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfDocumentWriter.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextDocument>

RtfDocumentWriter::RtfDocumentWriter(QTextDocument& document, const RtfTables& tables)
    : m_tables(tables), m_cursor(&document)
{
}

void RtfDocumentWriter::appendByte(unsigned char byte, int codePage, const RtfCharState& format)
{
    prepare(format);
    m_text.appendByte(byte, codePage);
}

void RtfDocumentWriter::appendUnicode(char16_t character, const RtfCharState& format)
{
    prepare(format);
    m_text.appendUnicode(character);
}

void RtfDocumentWriter::endParagraph(const RtfParaState& paragraph, const RtfCharState& format)
{
    prepare(format);
    flush();
    formatBlock(paragraph, format);
    m_blockPending = true;
}

void RtfDocumentWriter::finish(const RtfParaState& paragraph, const RtfCharState& format)
{
    flush();
    if (!m_blockPending)
        formatBlock(paragraph, format);
}

// A new block starts with the formats of the one before, so they are set only on a change.
void RtfDocumentWriter::formatBlock(const RtfParaState& paragraph, const RtfCharState& format)
{
    if (m_blockState != paragraph) {
        m_blockState = paragraph;
        m_blockFormat = blockFormat(paragraph);
        m_cursor.setBlockFormat(m_blockFormat);
    }
    if (m_blockCharState != format) {
        m_blockCharState = format;
        m_blockCharFormat = charFormat(format);
        m_cursor.setBlockCharFormat(m_blockCharFormat);
    }
}

// Opens the paragraph a previous \par announced and starts a new run when the format changes.
void RtfDocumentWriter::prepare(const RtfCharState& format)
{
    if (m_blockPending) {
        m_cursor.insertBlock(m_blockFormat, m_blockCharFormat);
        m_blockPending = false;
    }
    if (!(format == m_runState)) {
        flush();
        m_runState = format;
    }
}

void RtfDocumentWriter::flush()
{
    if (m_text.isEmpty())
        return;
    const QString text = m_text.take();
    if (!text.isEmpty())
        m_cursor.insertText(text, charFormat(m_runState));
}

QTextCharFormat RtfDocumentWriter::charFormat(const RtfCharState& state) const
{
    QTextCharFormat format;
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strikeOut);
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.verticalShift != 0) {
        format.setVerticalAlignment(state.verticalShift > 0 ? QTextCharFormat::AlignSuperScript
                                                            : QTextCharFormat::AlignSubScript);
    }
    if (const RtfFont* font = m_tables.font(state.font); font && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    const auto colour = [this](int index) {
        return index >= 0 && index < m_tables.colours.size() ? m_tables.colours[index] : QColor();
    };
    if (const QColor foreground = colour(state.foreground); foreground.isValid())
        format.setForeground(foreground);
    if (const QColor background = colour(state.background); background.isValid())
        format.setBackground(background);
    return format;
}

QTextBlockFormat RtfDocumentWriter::blockFormat(const RtfParaState& paragraph) const
{
    QTextBlockFormat format;
    switch (paragraph.alignment) {
    case RtfAlignment::Left: format.setAlignment(Qt::AlignLeft); break;
    case RtfAlignment::Right: format.setAlignment(Qt::AlignRight); break;
    case RtfAlignment::Center: format.setAlignment(Qt::AlignHCenter); break;
    case RtfAlignment::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    format.setLeftMargin(paragraph.leftIndent * kPixelsPerTwip);
    format.setRightMargin(paragraph.rightIndent * kPixelsPerTwip);
    format.setTextIndent(paragraph.firstLineIndent * kPixelsPerTwip);
    format.setTopMargin(paragraph.spaceBefore * kPixelsPerTwip);
    format.setBottomMargin(paragraph.spaceAfter * kPixelsPerTwip);
    if (paragraph.lineSpacingMultiple && paragraph.lineSpacing > 0) {
        format.setLineHeight(paragraph.lineSpacing * 100.0 / 240.0,
                             QTextBlockFormat::ProportionalHeight);
    } else if (paragraph.lineSpacing > 0) {
        format.setLineHeight(paragraph.lineSpacing * kPixelsPerTwip,
                             QTextBlockFormat::MinimumHeight);
    } else if (paragraph.lineSpacing < 0) {
        format.setLineHeight(-paragraph.lineSpacing * kPixelsPerTwip,
                             QTextBlockFormat::FixedHeight);
    }
    return format;
}
