// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The text of a private-profile (INI) file held as lines, with the lookups
// and edits of the Windows profile functions.
//
// A line is read with its blanks trimmed: "[name]" opens a section, a line
// starting with ';' is a comment, and "key=value" (split at the first '=')
// is a key of the section above it. Keys before the first section belong
// to none and cannot be looked up. Section and key names match without
// regard to ASCII case; the first matching section, and the first matching
// key inside it, win.
//
// Edits touch only the lines they concern, so comments, blank lines, lines
// of no known form and the order of everything else stay as they were.
class IniText {
public:
    // An empty text; lines added to it end in CR LF.
    IniText() = default;
    // Splits at LF and CR LF. The break after the first line is the one
    // every line gets when the text is formatted again, and whether the
    // last line had a break is kept as well.
    explicit IniText(const QString& text);

    QString ToString() const;
    const QStringList& Lines() const { return m_lines; }

    // The value trimmed of blanks, with one pair of matching surrounding
    // double or single quotes removed; nullopt when the section or the key
    // is missing.
    std::optional<QString> Value(QStringView section, QStringView key) const;
    bool SectionExists(QStringView section) const;
    // Each name once, in the spelling and order of its first appearance.
    QStringList SectionNames() const;
    // The keys of the first matching section, each once, in file order.
    QStringList KeyNames(QStringView section) const;

    // Whether "[section]" and "key=value" lines can hold the names and the
    // value so that they read back: names not empty once trimmed, no line
    // break anywhere, no ']' in the section, no '=' in the key and a key
    // that does not look like a comment or a section.
    static bool CanStore(QStringView section, QStringView key, QStringView value);

    // Each edit returns whether it changed the text. SetValue leaves the
    // text alone when CanStore fails.
    //
    // An existing key keeps its line up to the '=' and the blanks after it;
    // only the value is replaced. A new key goes right after the last line
    // of its section that is neither blank nor a comment, so the blank
    // lines before the next section stay after it. A new section is added
    // at the end of the text, with no blank line before it.
    bool SetValue(QStringView section, QStringView key, QStringView value);
    // Removes every matching key line of the first matching section.
    bool DeleteKey(QStringView section, QStringView key);
    // Removes every matching section, from its header to the next header.
    bool EraseSection(QStringView section);

private:
    qsizetype FindSection(QStringView section, qsizetype from = 0) const;
    qsizetype SectionEnd(qsizetype header) const;
    qsizetype FindKey(qsizetype header, QStringView key) const;

    QStringList m_lines;
    QString m_newline = QStringLiteral("\r\n");
    bool m_finalNewline = true;
};

// Whole numbers as Delphi's StrToIntDef reads them: blanks around, an
// optional sign, then decimal digits or hex digits after "0x" or '$'.
// Decimal must fit a 32-bit int; hex may go up to FFFFFFFF, which wraps
// to a negative number. nullopt for anything else.
std::optional<int> ParseIniInteger(QStringView text);
