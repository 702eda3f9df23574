// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfReader.h"

#include "controls/RtfDocumentWriter.h"
#include "controls/RtfKeywords.h"
#include "controls/RtfTokenizer.h"

#include <QFile>
#include <QTextDocument>

#include <optional>
#include <vector>

namespace {

// Groups nested deeper than this still balance braces but share their parent's state.
constexpr std::size_t kMaxGroupDepth = 1000;
constexpr int kMaxTwips = 31680; // 22 inches
constexpr int kMaxHalfPoints = 3276;
// No writer needs more fallback bytes per character; a larger \ucN would only swallow text.
constexpr int kMaxUnicodeSkip = 16;

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState
{
    RtfCharState character;
    RtfParaState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

int Twips(const RtfToken& token)
{
    return qBound(-kMaxTwips, token.parameter, kMaxTwips);
}

// A toggle word without parameter or with a non-zero one switches on.
bool Toggle(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

class RtfReader
{
public:
    RtfReader(QTextDocument& document, QByteArrayView rtf)
        : m_tokenizer(rtf), m_writer(document, m_tables)
    {
        m_groups.reserve(64);
        m_groups.push_back({});
    }

    void read()
    {
        for (RtfToken token = m_tokenizer.next(); token.kind != RtfToken::Kind::End;
             token = m_tokenizer.next()) {
            if (!handle(token))
                return;
        }
        // The document's group was left open: what is in effect at the end applies.
        m_writer.finish(state().paragraph, state().character);
    }

private:
    GroupState& state() { return m_groups.back(); }

    // False once the document's outermost group has closed.
    bool handle(const RtfToken& token)
    {
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            m_pendingSkip = 0;
            if (m_groups.size() > kMaxGroupDepth)
                ++m_overflowDepth;
            else
                m_groups.push_back(state());
            return true;
        case RtfToken::Kind::GroupEnd:
            m_pendingSkip = 0;
            return closeGroup();
        case RtfToken::Kind::Text: {
            const int codePage = currentCodePage();
            for (const char c : token.bytes) {
                if (!skipFallback())
                    text(static_cast<unsigned char>(c), codePage, false);
            }
            return true;
        }
        case RtfToken::Kind::HexByte:
            if (!skipFallback())
                text(token.symbol, currentCodePage(), true);
            return true;
        case RtfToken::Kind::ControlSymbol:
            if (!skipFallback())
                symbol(token.symbol);
            return true;
        case RtfToken::Kind::ControlWord:
            if (!skipFallback())
                word(token);
            return true;
        case RtfToken::Kind::Binary:
        case RtfToken::Kind::End:
            return true;
        }
        return true;
    }

    bool closeGroup()
    {
        if (m_overflowDepth > 0) {
            --m_overflowDepth;
            return true;
        }
        if (state().destination == Destination::FontTable)
            commitFontName();
        if (m_groups.size() == 2) {
            // The document's own group ends the document; anything after it is ignored.
            m_writer.finish(state().paragraph, state().character);
            return false;
        }
        m_groups.pop_back();
        if (state().destination != Destination::FontTable)
            m_definedFont.reset();
        return true;
    }

    // Counts off one fallback character of the last \uN; true while it is being skipped.
    bool skipFallback()
    {
        if (m_pendingSkip == 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    // The code page of text at this point: in the font table, that of the font being defined,
    // whose name is in letters even for a symbol font.
    int currentCodePage() const
    {
        const GroupState& group = m_groups.back();
        if (group.destination != Destination::FontTable)
            return m_tables.codePageOfFont(group.character.font);
        const int codePage = m_tables.codePageOfFont(m_definedFont.value_or(-1));
        return codePage == kSymbolCodePage || codePage == kWingdingsCodePage ? kDefaultCodePage
                                                                               : codePage;
    }

    // A text byte; an escaped ';' does not end a table entry.
    void text(unsigned char byte, int codePage, bool escaped)
    {
        switch (state().destination) {
        case Destination::Text:
            if (!state().character.hidden)
                m_writer.appendByte(byte, codePage, state().character);
            break;
        case Destination::FontTable:
            if (byte == ';' && !escaped)
                commitFontName();
            else if (m_definedFont)
                m_fontName.appendByte(byte, codePage);
            break;
        case Destination::ColourTable:
            if (byte == ';' && !escaped)
                commitColour();
            break;
        case Destination::Skip:
            break;
        }
    }

    void unicode(char16_t character)
    {
        if (state().destination == Destination::Text && !state().character.hidden)
            m_writer.appendUnicode(character, state().character);
        else if (state().destination == Destination::FontTable && m_definedFont)
            m_fontName.appendUnicode(character);
    }

    void paragraphBreak()
    {
        if (state().destination == Destination::Text)
            m_writer.endParagraph(state().paragraph, state().character);
    }

    void symbol(unsigned char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            text(c, currentCodePage(), true);
            break;
        case '~': unicode(0x00A0); break;
        case '_': unicode(0x2011); break;
        case '\r':
        case '\n': paragraphBreak(); break;
        case '*': state().destination = Destination::Skip; break;
        default: break; // \- optional hyphen, \| and \: index marks, malformed escapes
        }
    }

    void word(const RtfToken& token)
    {
        const RtfKeywordEntry entry = LookUpRtfKeyword(token.bytes);
        GroupState& group = state();
        if (entry.keyword == RtfKeyword::Unknown || group.destination == Destination::Skip)
            return;
        if (entry.keyword == RtfKeyword::SkippedDestination) {
            group.destination = Destination::Skip;
            return;
        }
        if (group.destination == Destination::ColourTable) {
            colourComponent(entry.keyword, token);
            return;
        }
        if (group.destination == Destination::FontTable) {
            fontProperty(entry.keyword, token);
            return;
        }
        RtfCharState& character = group.character;
        RtfParaState& paragraph = group.paragraph;
        switch (entry.keyword) {
        case RtfKeyword::FontTable:
            group.destination = Destination::FontTable;
            break;
        case RtfKeyword::ColourTable:
            group.destination = Destination::ColourTable;
            m_tables.colours.clear();
            m_colour = QColor(0, 0, 0);
            m_colourStarted = false;
            break;
        case RtfKeyword::Ansi: m_tables.codePage = 1252; break;
        case RtfKeyword::Mac: m_tables.codePage = 10000; break;
        case RtfKeyword::Pc: m_tables.codePage = 437; break;
        case RtfKeyword::Pca: m_tables.codePage = 850; break;
        case RtfKeyword::AnsiCodePage:
            if (token.parameter > 0)
                m_tables.codePage = token.parameter;
            break;
        case RtfKeyword::DefaultFont: m_tables.defaultFont = token.parameter; break;
        case RtfKeyword::UnicodeSkip:
            group.unicodeSkip = qBound(0, token.parameter, kMaxUnicodeSkip);
            break;
        case RtfKeyword::Unicode:
            unicodeWord(token);
            break;

        case RtfKeyword::Plain: character = {}; break;
        case RtfKeyword::Bold: character.bold = Toggle(token); break;
        case RtfKeyword::Italic: character.italic = Toggle(token); break;
        case RtfKeyword::Underline: character.underline = Toggle(token); break;
        case RtfKeyword::UnderlineNone: character.underline = false; break;
        case RtfKeyword::StrikeOut: character.strikeOut = Toggle(token); break;
        case RtfKeyword::Hidden: character.hidden = Toggle(token); break;
        case RtfKeyword::Superscript: character.verticalShift = 1; break;
        case RtfKeyword::Subscript: character.verticalShift = -1; break;
        case RtfKeyword::NoSuperSub: character.verticalShift = 0; break;
        case RtfKeyword::Font: character.font = token.parameter; break;
        case RtfKeyword::FontSize:
            character.halfPoints = token.hasParameter && token.parameter > 0
                                       ? qMin(token.parameter, kMaxHalfPoints)
                                       : RtfCharState().halfPoints;
            break;
        case RtfKeyword::Foreground: character.foreground = token.parameter; break;
        case RtfKeyword::Background: character.background = token.parameter; break;

        case RtfKeyword::ParagraphDefault: paragraph = {}; break;
        case RtfKeyword::AlignLeft: paragraph.alignment = RtfAlignment::Left; break;
        case RtfKeyword::AlignRight: paragraph.alignment = RtfAlignment::Right; break;
        case RtfKeyword::AlignCenter: paragraph.alignment = RtfAlignment::Center; break;
        case RtfKeyword::AlignJustify: paragraph.alignment = RtfAlignment::Justify; break;
        case RtfKeyword::LeftIndent: paragraph.leftIndent = Twips(token); break;
        case RtfKeyword::RightIndent: paragraph.rightIndent = Twips(token); break;
        case RtfKeyword::FirstLineIndent: paragraph.firstLineIndent = Twips(token); break;
        case RtfKeyword::SpaceBefore: paragraph.spaceBefore = Twips(token); break;
        case RtfKeyword::SpaceAfter: paragraph.spaceAfter = Twips(token); break;
        case RtfKeyword::LineSpacing: paragraph.lineSpacing = Twips(token); break;
        case RtfKeyword::LineSpacingMultiple:
            paragraph.lineSpacingMultiple = Toggle(token);
            break;

        case RtfKeyword::Paragraph: paragraphBreak(); break;
        case RtfKeyword::Character: unicode(entry.character); break;
        default: break;
        }
    }

    // \uN: a signed 16-bit code unit, followed by fallback characters to skip.
    void unicodeWord(const RtfToken& token)
    {
        const int value = token.parameter < 0 ? token.parameter + 65536 : token.parameter;
        unicode(value >= 0 && value <= 0xFFFF ? char16_t(value) : char16_t(0xFFFD));
        m_pendingSkip = state().unicodeSkip;
    }

    void fontProperty(RtfKeyword keyword, const RtfToken& token)
    {
        switch (keyword) {
        case RtfKeyword::Font:
            commitFontName();
            m_definedFont = token.parameter;
            m_tables.fonts[token.parameter] = {};
            break;
        case RtfKeyword::FontCharset:
            if (m_definedFont)
                m_tables.fonts[*m_definedFont].charset = token.parameter;
            break;
        case RtfKeyword::FontCodePage:
            if (m_definedFont)
                m_tables.fonts[*m_definedFont].codePage = qMax(0, token.parameter);
            break;
        case RtfKeyword::Unicode:
            unicodeWord(token);
            break;
        case RtfKeyword::UnicodeSkip:
            state().unicodeSkip = qBound(0, token.parameter, kMaxUnicodeSkip);
            break;
        default:
            break;
        }
    }

    void commitFontName()
    {
        const QString name = m_fontName.take().trimmed();
        if (m_definedFont && !name.isEmpty() && m_tables.fonts[*m_definedFont].name.isEmpty())
            m_tables.fonts[*m_definedFont].name = name;
    }

    void colourComponent(RtfKeyword keyword, const RtfToken& token)
    {
        const int value = qBound(0, token.parameter, 255);
        switch (keyword) {
        case RtfKeyword::Red: m_colour.setRed(value); break;
        case RtfKeyword::Green: m_colour.setGreen(value); break;
        case RtfKeyword::Blue: m_colour.setBlue(value); break;
        default: return;
        }
        m_colourStarted = true;
    }

    void commitColour()
    {
        m_tables.colours.append(m_colourStarted ? m_colour : QColor());
        m_colour = QColor(0, 0, 0);
        m_colourStarted = false;
    }

    RtfTokenizer m_tokenizer;
    RtfTables m_tables;
    RtfDocumentWriter m_writer;
    std::vector<GroupState> m_groups;
    std::size_t m_overflowDepth = 0;
    int m_pendingSkip = 0;
    std::optional<int> m_definedFont;
    RtfTextBuffer m_fontName;
    QColor m_colour = QColor(0, 0, 0);
    bool m_colourStarted = false;
};

// Leading blanks (and a byte order mark some editors add) may precede the RTF header.
qsizetype RtfStart(const QByteArray& data)
{
    qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < data.size()
           && (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r' || data[pos] == '\n'))
        ++pos;
    return QByteArrayView(data).sliced(pos).startsWith("{\\rtf") ? pos : -1;
}

} // namespace

void ReadRtf(QTextDocument& document, const QByteArray& rtf)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const qsizetype start = RtfStart(rtf);
    if (start < 0) {
        document.setPlainText(DecodeCodePage(kDefaultCodePage, rtf));
    } else {
        QTextCursor edit(&document);
        edit.beginEditBlock();
        RtfReader(document, QByteArrayView(rtf).sliced(start)).read();
        edit.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
}

bool LoadRichTextFile(QTextDocument& document, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.clear();
        return false;
    }
    ReadRtf(document, file.readAll());
    return true;
}
