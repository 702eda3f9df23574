// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QList>
#include <QStringList>

#include <utility>

// A private-profile (INI) file with the behaviour of the Windows profile
// functions: every call reads the file afresh and every change rewrites
// it, so two objects on the same file always agree. The text rules are
// those of IniText; the bytes are Windows-1252, and a UTF-8 byte order
// mark at the start is skipped on reading and kept on writing.
//
// A file that cannot be read as a profile (larger than kMaxIniFileSize,
// not a regular file, unreadable) reads as empty and is never written, so
// its contents are not lost. A change is written to a temporary file in
// the same folder that then replaces the old one: a failed write leaves
// the old file as it was. Changes return false when they cannot be
// written; a change that leaves the text as it was writes nothing.
class TIniFile {
public:
    static constexpr qint64 kMaxIniFileSize = 16 * 1024 * 1024;

    explicit TIniFile(const QString& fileName) : m_fileName(fileName) {}
    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The default when the key is missing or its value is not a whole
    // number as ParseIniInteger reads it.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // A number other than 0 is true; anything that is not a number gives
    // the default.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // False as well when the names or the value cannot be stored as one
    // line (see IniText::CanStore). Characters that Windows-1252 lacks are
    // written as '?'.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    // Several keys of one section in one rewrite of the file, in the
    // order given: a killed or failed write leaves the file with none or
    // all of them. False, writing nothing, when one cannot be stored.
    bool WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values);
    bool WriteInteger(const QString& section, const QString& key, int value);
    // Writes "1" or "0".
    bool WriteBool(const QString& section, const QString& key, bool value);

    // Removing what is not there succeeds without touching the file.
    bool DeleteKey(const QString& section, const QString& key);
    bool EraseSection(const QString& section);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSections() const;
    // The keys of the section, in file order.
    QStringList ReadSection(const QString& section) const;

private:
    QString m_fileName;
};
