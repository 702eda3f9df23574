// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/IniText.h"

#include <QSet>

#include <utility>

namespace {

// Only ASCII blanks: a no-break space (0xA0 in Windows-1252) is text.
bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

QStringView Trim(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.sliced(begin, end - begin);
}

char16_t FoldAscii(char16_t c) { return (c >= 'a' && c <= 'z') ? char16_t(c - 'a' + 'A') : c; }

bool SameName(QStringView a, QStringView b)
{
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i].unicode()) != FoldAscii(b[i].unicode())) return false;
    return true;
}

// A name with its ASCII letters in upper case, for sets of names.
QString FoldedName(QStringView name)
{
    QString folded = name.toString();
    for (QChar& c : folded) c = QChar(FoldAscii(c.unicode()));
    return folded;
}

bool HasLineBreak(QStringView s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

// The name of a section header line; a header without its ']' runs to
// the end of the line.
std::optional<QStringView> HeaderName(QStringView line)
{
    const QStringView t = Trim(line);
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    QStringView name = t.sliced(1);
    const qsizetype close = name.indexOf(QLatin1Char(']'));
    if (close >= 0) name.truncate(close);
    return Trim(name);
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

std::optional<KeyLine> ParseKeyLine(QStringView line)
{
    const QStringView t = Trim(line);
    if (t.isEmpty() || t[0] == QLatin1Char(';') || t[0] == QLatin1Char('[')) return std::nullopt;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0) return std::nullopt;
    const QStringView key = Trim(t.first(eq));
    if (key.isEmpty()) return std::nullopt;
    return KeyLine{key, Trim(t.sliced(eq + 1))};
}

bool IsComment(QStringView line)
{
    const QStringView t = Trim(line);
    return !t.isEmpty() && t[0] == QLatin1Char(';');
}

QString Unquote(QStringView value)
{
    if (value.size() >= 2) {
        const QChar q = value.front();
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && value.back() == q)
            return value.sliced(1, value.size() - 2).toString();
    }
    return value.toString();
}

// The value of an ASCII decimal or hex digit; -1 for any other character.
int DigitValue(char16_t c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

IniText::IniText(const QString& text)
{
    if (text.isEmpty()) return;
    const qsizetype firstBreak = text.indexOf(QLatin1Char('\n'));
    if (firstBreak >= 0 && (firstBreak == 0 || text[firstBreak - 1] != QLatin1Char('\r')))
        m_newline = QStringLiteral("\n");
    m_lines = text.split(QLatin1Char('\n'));
    m_finalNewline = m_lines.back().isEmpty();
    if (m_finalNewline) m_lines.removeLast();
    for (QString& line : m_lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
}

QString IniText::ToString() const
{
    QString text = m_lines.join(m_newline);
    if (m_finalNewline && !m_lines.isEmpty()) text += m_newline;
    return text;
}

qsizetype IniText::FindSection(QStringView section, qsizetype from) const
{
    for (qsizetype i = from; i < m_lines.size(); ++i) {
        const auto name = HeaderName(m_lines[i]);
        if (name && SameName(*name, section)) return i;
    }
    return -1;
}

qsizetype IniText::SectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && !HeaderName(m_lines[i])) ++i;
    return i;
}

qsizetype IniText::FindKey(qsizetype header, QStringView key) const
{
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto line = ParseKeyLine(m_lines[i]);
        if (line && SameName(line->key, key)) return i;
    }
    return -1;
}

std::optional<QString> IniText::Value(QStringView section, QStringView key) const
{
    const qsizetype header = FindSection(Trim(section));
    if (header < 0) return std::nullopt;
    const qsizetype at = FindKey(header, Trim(key));
    if (at < 0) return std::nullopt;
    return Unquote(ParseKeyLine(m_lines[at])->value);
}

bool IniText::SectionExists(QStringView section) const { return FindSection(Trim(section)) >= 0; }

QStringList IniText::SectionNames() const
{
    QStringList names;
    QSet<QString> seen;
    for (const QString& line : m_lines) {
        const auto name = HeaderName(line);
        if (!name) continue;
        if (!seen.contains(FoldedName(*name))) {
            seen.insert(FoldedName(*name));
            names.append(name->toString());
        }
    }
    return names;
}

QStringList IniText::KeyNames(QStringView section) const
{
    QStringList keys;
    const qsizetype header = FindSection(Trim(section));
    if (header < 0) return keys;
    QSet<QString> seen;
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto line = ParseKeyLine(m_lines[i]);
        if (!line) continue;
        if (!seen.contains(FoldedName(line->key))) {
            seen.insert(FoldedName(line->key));
            keys.append(line->key.toString());
        }
    }
    return keys;
}

bool IniText::CanStore(QStringView section, QStringView key, QStringView value)
{
    const QStringView s = Trim(section);
    const QStringView k = Trim(key);
    if (s.isEmpty() || HasLineBreak(s) || s.contains(QLatin1Char(']'))) return false;
    if (k.isEmpty() || HasLineBreak(k) || k.contains(QLatin1Char('='))) return false;
    if (k[0] == QLatin1Char(';') || k[0] == QLatin1Char('[')) return false;
    return !HasLineBreak(value);
}

bool IniText::SetValue(QStringView section, QStringView key, QStringView value)
{
    if (!CanStore(section, key, value)) return false;
    section = Trim(section);
    key = Trim(key);
    const QString entry = key.toString() + QLatin1Char('=') + value.toString();

    const qsizetype header = FindSection(section);
    if (header < 0) {
        m_lines.append(QLatin1Char('[') + section.toString() + QLatin1Char(']'));
        m_lines.append(entry);
        return true;
    }

    const qsizetype at = FindKey(header, key);
    if (at >= 0) {
        const QString& old = m_lines[at];
        qsizetype keep = old.indexOf(QLatin1Char('=')) + 1;
        while (keep < old.size() && (old[keep] == QLatin1Char(' ') || old[keep] == QLatin1Char('\t')))
            ++keep;
        const QString line = old.left(keep) + value.toString();
        if (line == old) return false;
        m_lines[at] = line;
        return true;
    }

    qsizetype insertAt = header + 1;
    const qsizetype end = SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (!Trim(m_lines[i]).isEmpty() && !IsComment(m_lines[i])) insertAt = i + 1;
    m_lines.insert(insertAt, entry);
    return true;
}

// Both removals filter the lines in one pass, so a file of many thousand
// repeats takes no longer than any other file of its size.
bool IniText::DeleteKey(QStringView section, QStringView key)
{
    const qsizetype header = FindSection(Trim(section));
    if (header < 0) return false;
    key = Trim(key);
    const qsizetype end = SectionEnd(header);
    QStringList kept = m_lines.first(header + 1);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto line = ParseKeyLine(m_lines[i]);
        if (!line || !SameName(line->key, key)) kept.append(m_lines[i]);
    }
    if (kept.size() == end) return false;
    kept.append(m_lines.sliced(end));
    m_lines = std::move(kept);
    return true;
}

bool IniText::EraseSection(QStringView section)
{
    section = Trim(section);
    QStringList kept;
    bool inErased = false;
    for (const QString& line : std::as_const(m_lines)) {
        if (const auto name = HeaderName(line)) inErased = SameName(*name, section);
        if (!inErased) kept.append(line);
    }
    if (kept.size() == m_lines.size()) return false;
    m_lines = std::move(kept);
    return true;
}

std::optional<int> ParseIniInteger(QStringView text)
{
    QStringView t = Trim(text);
    bool negative = false;
    if (!t.isEmpty() && (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+'))) {
        negative = t[0] == QLatin1Char('-');
        t = t.sliced(1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t = t.sliced(1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t = t.sliced(2);
    }
    if (t.isEmpty()) return std::nullopt;

    // Decimal may reach 2^31 only as a negative number; hex fills 32 bits.
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (const QChar c : t) {
        const int digit = DigitValue(c.unicode());
        if (digit < 0 || digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    const auto value = static_cast<quint32>(magnitude);
    return static_cast<int>(negative ? 0u - value : value);
}
