// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfCodePages.h"
#include "controls/RtfSystemDecoder.h"

#include "controls/RtfCodePageTables.h"

#include <utility>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The characters of the Symbol font's bytes that have a Unicode counterpart worth showing;
// other bytes are shown as Latin-1.
char16_t SymbolCharacter(unsigned char byte)
{
    static constexpr char16_t kGreekUpper[26] = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
        0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
        0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    if (byte >= 'A' && byte <= 'Z')
        return kGreekUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z') {
        // The lower-case letters mirror the upper-case ones, except j and v, which hold the
        // symbol forms of phi and pi.
        const char16_t upper = kGreekUpper[byte - 'a'];
        if (upper == 0x03D1)
            return 0x03D5;
        if (upper == 0x03C2)
            return 0x03D6;
        return upper + 0x20;
    }
    switch (byte) {
    case 0xB7: return 0x2022; // bullet
    case 0xB0: return 0x00B0;
    case 0xB1: return 0x00B1;
    case 0xB4: return 0x00D7;
    case 0xB8: return 0x00F7;
    case 0xA5: return 0x221E;
    case 0xAB: return 0x2194;
    case 0xAC: return 0x2190;
    case 0xAD: return 0x2191;
    case 0xAE: return 0x2192;
    case 0xAF: return 0x2193;
    case 0xA3: return 0x2264;
    case 0xB3: return 0x2265;
    case 0xB9: return 0x2260;
    case 0xBB: return 0x2248;
    case 0xD6: return 0x221A;
    case 0xE5: return 0x2211;
    case 0xF2: return 0x222B;
    case 0xD7: return 0x22C5;
    case 0xE0: return 0x25CA;
    default: return byte;
    }
}

// The Wingdings bullets word processors use for lists.
char16_t WingdingsCharacter(unsigned char byte)
{
    switch (byte) {
    case 0x6C: return 0x25CF;
    case 0x6E: return 0x25A0;
    case 0x6F: return 0x25A1;
    case 0x71: return 0x2751;
    case 0x75: return 0x25C6;
    case 0x76: return 0x2756;
    case 0x9F: return 0x2022;
    case 0xA7: return 0x25AA;
    case 0xD8: return 0x27A2;
    case 0xFC: return 0x2714;
    default: return byte;
    }
}

QString DecodeTable(const char16_t* table, QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte < 0x80 ? byte : table[byte - 0x80];
    }
    return text;
}

QString DecodeWith(char16_t (*map)(unsigned char), QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(map(static_cast<unsigned char>(c))));
    return text;
}

bool IsWingdings(QStringView name)
{
    return name.startsWith(u"Wingdings", Qt::CaseInsensitive);
}

} // namespace

int CodePageForCharset(int charset, QStringView fontName, int documentCodePage)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return IsWingdings(fontName) ? kWingdingsCodePage : kSymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return documentCodePage;
    }
}

QString DecodeCodePage(int codePage, QByteArrayView bytes)
{
    if (codePage == kSymbolCodePage)
        return DecodeWith(SymbolCharacter, bytes);
    if (codePage == kWingdingsCodePage)
        return DecodeWith(WingdingsCharacter, bytes);
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    if (const char16_t* table = SingleByteCodePageTable(codePage))
        return DecodeTable(table, bytes);
    QString text;
    if (codePage > 0 && DecodeWithSystem(codePage, bytes, text))
        return text;
    return DecodeTable(SingleByteCodePageTable(kDefaultCodePage), bytes);
}

void RtfTextBuffer::appendByte(unsigned char byte, int codePage)
{
    if (codePage != m_codePage)
        convertBytes();
    m_codePage = codePage;
    if (byte < 0x20 && byte != '\t')
        return;
    m_bytes.append(char(byte));
}

void RtfTextBuffer::appendUnicode(char16_t character)
{
    convertBytes();
    switch (character) {
    case 0x2029: // paragraph separator: paragraphs come from \par alone
        character = 0x2028;
        break;
    case 0xFDD0: // Qt's frame markers and object replacement character
    case 0xFDD1:
    case 0xFFFC:
        return;
    default:
        if (character < 0x20 && character != '\t')
            return;
    }
    m_text.append(QChar(character));
}

QString RtfTextBuffer::take()
{
    convertBytes();
    return std::exchange(m_text, QString());
}

void RtfTextBuffer::convertBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_text.append(DecodeCodePage(m_codePage, m_bytes));
    m_bytes.clear();
}
