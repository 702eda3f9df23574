// SPDX-License-Identifier: GPL-2.0-or-later
// Where the studio finds its own files and its settings file: beside the
// executable (a build folder, a copied folder) or as an installed program.
#include "studio/ProgramFiles.h"
#include "studio/StudioSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// A prefix as `cmake --install` makes it: bin/ and share/velomni-studio/.
struct InstalledPrefix {
    InstalledPrefix()
    {
        QDir(prefix.Path()).mkpath("bin");
        QDir(prefix.Path()).mkpath("share/velomni-studio");
    }
    QString Bin() const { return prefix.File("bin"); }
    QString Data(const QString& name) const { return prefix.File("share/velomni-studio/" + name); }
    TempDir prefix;
};

// The user's configuration folder, pointed at a fresh folder for one test.
class ConfigHome {
public:
    ConfigHome() : m_saved(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", m_dir.Path().toUtf8()); }
    ~ConfigHome() { qputenv("XDG_CONFIG_HOME", m_saved); }
    QString Path() const { return m_dir.Path(); }

private:
    QByteArray m_saved;
    TempDir m_dir;
};

} // namespace

TEST(ProgramFiles, BesideTheExecutableFirstThenTheInstalledDataFolder)
{
    InstalledPrefix installed;
    QFile(installed.Data("whatsnew.rtf")).open(QIODevice::WriteOnly);
    QFile(installed.Data("Default.ico")).open(QIODevice::WriteOnly);
    QFile(QDir(installed.Bin()).filePath("Default.ico")).open(QIODevice::WriteOnly);

    EXPECT_EQ(InstalledDataFolder(installed.Bin()), installed.prefix.File("share/velomni-studio"));
    EXPECT_EQ(ProgramFilePath(installed.Bin(), "whatsnew.rtf"), installed.Data("whatsnew.rtf"));
    // A file beside the executable wins over the installed one.
    EXPECT_EQ(ProgramFilePath(installed.Bin(), "Default.ico"), QDir(installed.Bin()).filePath("Default.ico"));
    // Found nowhere: the path beside the executable, for messages.
    EXPECT_EQ(ProgramFilePath(installed.Bin(), "VelomniStudio.html"),
              QDir(installed.Bin()).filePath("VelomniStudio.html"));

    // A build folder or a copied one has no data folder.
    TempDir plain;
    EXPECT_EQ(InstalledDataFolder(plain.Path()), "");
    EXPECT_EQ(ProgramFilePath(plain.Path(), "whatsnew.rtf"), plain.File("whatsnew.rtf"));
    EXPECT_EQ(InstalledDataFolder(""), "");
    EXPECT_EQ(ProgramFilePath("", "whatsnew.rtf"), "");
}

TEST(ProgramFiles, AnInstalledStudioKeepsItsSettingsInTheConfigurationFolder)
{
    ConfigHome config;
    // Writable (a prefix the user owns, or a studio run by root), yet
    // installed: nothing is written beside the executable.
    InstalledPrefix installed;
    EXPECT_EQ(StudioSettingsPath(installed.Bin()), QDir(config.Path()).filePath("Velomni Studio/VelomniStudio.ini"));
    EXPECT_TRUE(QDir(config.Path()).exists("Velomni Studio"));

    TempDir copied;
    EXPECT_EQ(StudioSettingsPath(copied.Path()), copied.File("VelomniStudio.ini"));
}
