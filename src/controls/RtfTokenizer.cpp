// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace {

constexpr qsizetype kMaxWordLength = 32;
constexpr int kMaxParameterDigits = 10;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken Token(RtfToken::Kind kind)
{
    RtfToken token;
    token.kind = kind;
    return token;
}

bool EndsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView data) : m_data(data)
{
}

RtfToken RtfTokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '\r':
        case '\n':
        case '\0':
            ++m_pos;
            continue;
        case '{':
            ++m_pos;
            return Token(RtfToken::Kind::GroupStart);
        case '}':
            ++m_pos;
            return Token(RtfToken::Kind::GroupEnd);
        case '\\':
            return readControl();
        default: {
            const qsizetype start = m_pos;
            while (m_pos < m_data.size() && !EndsText(m_data[m_pos]))
                ++m_pos;
            RtfToken token = Token(RtfToken::Kind::Text);
            token.bytes = m_data.sliced(start, m_pos - start);
            return token;
        }
        }
    }
    return {};
}

RtfToken RtfTokenizer::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return {};

    const char first = m_data[m_pos];
    if (!IsLetter(first)) {
        ++m_pos;
        RtfToken token = Token(RtfToken::Kind::ControlSymbol);
        token.symbol = static_cast<unsigned char>(first);
        if (first != '\'')
            return token;
        // \'hh; a truncated escape keeps the hex digits it has, one without any stays a
        // control symbol for the reader to ignore.
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size() && HexValue(m_data[m_pos]) >= 0) {
            value = value * 16 + HexValue(m_data[m_pos++]);
            ++digits;
        }
        if (digits > 0) {
            token.kind = RtfToken::Kind::HexByte;
            token.symbol = static_cast<unsigned char>(value);
        }
        return token;
    }

    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && IsLetter(m_data[m_pos]))
        ++m_pos;
    RtfToken token = Token(RtfToken::Kind::ControlWord);
    token.bytes = m_data.sliced(start, qMin(m_pos - start, kMaxWordLength));

    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && IsDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && IsDigit(m_data[m_pos])) {
        long long value = 0;
        int digits = 0;
        // Digits past the tenth are consumed but do not grow the value.
        while (m_pos < m_data.size() && IsDigit(m_data[m_pos])) {
            if (digits++ < kMaxParameterDigits)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        token.parameter = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
        token.hasParameter = true;
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;

    if (token.bytes == "bin") {
        const qsizetype length = std::clamp<qsizetype>(token.hasParameter ? token.parameter : 0,
                                                       0, m_data.size() - m_pos);
        RtfToken binary = Token(RtfToken::Kind::Binary);
        binary.bytes = m_data.sliced(m_pos, length);
        m_pos += length;
        return binary;
    }
    return token;
}
