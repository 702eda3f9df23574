// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/IniFile.h"

#include "platform/CodePage.h"
#include "model/IniText.h"
#include "platform/FileSync.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

struct Profile {
    IniText text;
    QByteArray bom;
    // False when the file exists but its contents could not all be read:
    // writing the text back would lose them.
    bool writable = true;
};

Profile Load(const QString& path)
{
    Profile profile;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return profile;
    profile.writable = false;
    // Only regular files: a device or a pipe could block or never end.
    if (!info.isFile() || info.size() > TIniFile::kMaxIniFileSize) return profile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return profile;
    // The file may grow after the size check.
    QByteArray bytes = file.read(TIniFile::kMaxIniFileSize + 1);
    if (bytes.size() > TIniFile::kMaxIniFileSize || file.error() != QFileDevice::NoError) return profile;
    if (bytes.startsWith(kUtf8Bom)) {
        profile.bom = kUtf8Bom;
        bytes.remove(0, kUtf8Bom.size());
    }
    profile.text = IniText(DecodeAnsi(bytes));
    // A read-only file is left alone, as Windows does, even where the
    // folder would allow replacing it.
    profile.writable = info.isWritable();
    return profile;
}

bool Store(const QString& path, const Profile& profile)
{
    const QByteArray bytes = profile.bom + EncodeAnsi(profile.text.ToString());
    // A file this class could no longer read back is not written.
    if (bytes.size() > TIniFile::kMaxIniFileSize) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    // The file is replaced; an unsynced folder only risks the rename on a
    // power loss, so that is not a failure.
    SyncFolderToDisc(QFileInfo(path).absolutePath());
    return true;
}

// An edit that leaves the text as it was needs no write, so it succeeds
// even where writing would fail.
template <typename Edit>
bool EditFile(const QString& path, Edit edit)
{
    Profile profile = Load(path);
    if (!edit(profile.text)) return true;
    return profile.writable && Store(path, profile);
}

} // namespace

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Load(m_fileName).text.Value(section, key).value_or(defaultValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto value = Load(m_fileName).text.Value(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (!IniText::CanStore(section, key, value)) return false;
    return EditFile(m_fileName, [&](IniText& text) { return text.SetValue(section, key, value); });
}

bool TIniFile::WriteStrings(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    for (const auto& [key, value] : values)
        if (!IniText::CanStore(section, key, value)) return false;
    return EditFile(m_fileName, [&](IniText& text) {
        bool changed = false;
        for (const auto& [key, value] : values) changed = text.SetValue(section, key, value) || changed;
        return changed;
    });
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::DeleteKey(const QString& section, const QString& key)
{
    return EditFile(m_fileName, [&](IniText& text) { return text.DeleteKey(section, key); });
}

bool TIniFile::EraseSection(const QString& section)
{
    return EditFile(m_fileName, [&](IniText& text) { return text.EraseSection(section); });
}

bool TIniFile::SectionExists(const QString& section) const
{
    return Load(m_fileName).text.SectionExists(section);
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return Load(m_fileName).text.Value(section, key).has_value();
}

QStringList TIniFile::ReadSections() const { return Load(m_fileName).text.SectionNames(); }

QStringList TIniFile::ReadSection(const QString& section) const
{
    return Load(m_fileName).text.KeyNames(section);
}
