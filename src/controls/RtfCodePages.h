// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Code page numbers RTF text is read in. Symbol fonts get pseudo code pages that map their
// bullets and signs to Unicode.
constexpr int kSymbolCodePage = 42;
constexpr int kWingdingsCodePage = -42;
constexpr int kDefaultCodePage = 1252;

// The code page of a font with \fcharsetN. DEFAULT_CHARSET and unknown sets fall back to the
// document's code page; the symbol set is told apart by the font's name.
int CodePageForCharset(int charset, QStringView fontName, int documentCodePage);

// Converts bytes in a code page to text. Unknown code pages are read as 1252.
QString DecodeCodePage(int codePage, QByteArrayView bytes);

// Collects text given as code page bytes and Unicode characters. Consecutive bytes of one code
// page are converted together, so a double-byte character split over two escapes decodes as
// one. Control characters other than tab, which would break the document's structure, are
// dropped.
class RtfTextBuffer
{
public:
    void appendByte(unsigned char byte, int codePage);
    void appendUnicode(char16_t character);
    bool isEmpty() const { return m_text.isEmpty() && m_bytes.isEmpty(); }
    // Returns the collected text and empties the buffer.
    QString take();

private:
    void convertBytes();

    QString m_text;
    QByteArray m_bytes;
    int m_codePage = kDefaultCodePage;
};
