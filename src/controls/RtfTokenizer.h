// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// One lexical element of RTF text.
struct RtfToken
{
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, Binary };

    Kind kind = Kind::End;
    // ControlWord: the letters (at most 32). Text: a run of plain bytes. Binary: the \bin data.
    QByteArrayView bytes;
    // ControlWord: the numeric parameter, clamped to the int range.
    int parameter = 0;
    bool hasParameter = false;
    // ControlSymbol: the character after the backslash. HexByte: the byte value.
    unsigned char symbol = 0;
};

// Splits RTF bytes into tokens. Line breaks and NUL bytes between tokens are dropped, as RTF
// ignores them; a control word's delimiting space is consumed; the data of \binN (bounded by
// the input) is returned as one Binary token. Every call consumes at least one byte until End.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data);

    RtfToken next();

private:
    RtfToken readControl();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
