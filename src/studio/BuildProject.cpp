// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/BuildProject.h"

#include "model/DiscLayout.h"
#include "model/ErrorReports.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/ProjectHost.h"
#include "platform/FileSync.h"
#include "platform/VersionInfo.h"
#include "studio/LinuxPlayer.h"
#include "studio/PlayerCopy.h"
#include "studio/ProgramFiles.h"
#include "studio/StudioSettings.h"
#include "studio/WindowsPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>

#include <cerrno>
#include <exception>

namespace {

constexpr int kPlayerCopyError = 3001;
constexpr int kIconCopyError = 3002;

// The hourglass while the data file is written; a tool without a GUI
// application has no cursor to change.
class WaitCursor {
public:
    WaitCursor() : m_set(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_set) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_set) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_set;
};

QString InProjectFolder(const QString& name)
{
    return QDir(ProjectFolder).filePath(name);
}

// A complete, patched copy of the studio replaces velomni.exe, or nothing
// changes. The patch runs on the copy before it takes the player's name: a
// copy that cannot be patched would start as a second studio from the
// disc, and a player left with this studio's FileVersion would never be
// copied and patched again.
bool PutPlayerCopy(const QString& playerSource, const QString& player, bool patch)
{
    try {
        const int error = CopyFileReplacing(playerSource, player, [patch](const QString& copy) {
            if (patch) PatchExeVersionText(copy, QString::fromLatin1(kPlayerOriginalFilename));
        });
        if (error == 0) return true;
        errno = error;
        ReportStreamError(kPlayerCopyError);
    } catch (const std::exception& e) {
        // The file and patch errors, shown as a failure no command caught.
        ShowFailure(QString::fromUtf8(e.what()));
    }
    return false;
}

bool WriteAutorun(const QString& cdLabel)
{
    TIniFile autorun(InProjectFolder(QStringLiteral("autorun.inf")));
    // The three keys in one rewrite: a build killed in between would
    // otherwise leave a file that is neither the old one nor the new one.
    if (autorun.WriteStrings(QStringLiteral("autorun"), {{QStringLiteral("OPEN"), QStringLiteral("VELOMNI.EXE")},
                                                         {QStringLiteral("ICON"), QStringLiteral("VELOMNI.ICO")},
                                                         {QStringLiteral("LABEL"), cdLabel}}))
        return true;
    ShowErrorBox(QStringLiteral("Save \"autorun.inf\" file failed."));
    return false;
}

// The temporary files that a save or a build killed midway leaves beside
// the files it writes. They are removed at every build, also where this
// build writes no new file, so they never go onto a disc with the folder.
void RemoveLeftoversOfKilledBuilds()
{
    for (const QString& name : {DataFileName, QStringLiteral("velomni.exe"), QStringLiteral("velomni.ico")})
        QFile::remove(SavingFileName(InProjectFolder(name)));
}

} // namespace

bool BuildProject(TProjectHost& host, const QString& playerSource, bool& unsavedChanges)
{
    if (ProjectFolder.isEmpty() || !QFileInfo(ProjectFolder).isDir()) {
        ShowFolderNotFound(ProjectFolder);
        return false;
    }
    RemoveLeftoversOfKilledBuilds();

    if (unsavedChanges) {
        bool saved;
        {
            WaitCursor wait;
            saved = SaveProject(host, InProjectFolder(DataFileName));
        }
        if (!saved) return false;
        unsavedChanges = false;
    }

    if (!PutLinuxPlayer(host, playerSource)) return false;
    // The root's velomni.exe is the Windows player where the studio has one
    // and the Linux player has its runtime folder; else a copy of this
    // program made a player. Without a version of its own the studio cannot
    // tell a current player from a missing one (both read as empty), so it
    // always puts a new one; a player of the other kind is replaced too.
    const QString player = InProjectFolder(QStringLiteral("velomni.exe"));
    QString source = WindowsPlayerSource(ExeFolder);
    if (source.isEmpty() || !QFileInfo(InProjectFolder(LinuxRuntimeFolderName() + QStringLiteral("/velomni"))).isFile())
        source = playerSource;
    const bool current = !StudioVersion.isEmpty() && ReadFileVersion(player) == StudioVersion
                         && KindOfProgram(player) == KindOfProgram(source);
    if (!current && !PutPlayerCopy(source, player, source == playerSource)) return false;

    const QString icon = InProjectFolder(QStringLiteral("velomni.ico"));
    const QString defaultIcon = ProgramFile(QStringLiteral("Default.ico"));
    if (!QFileInfo::exists(icon) && !defaultIcon.isEmpty() && QFileInfo(defaultIcon).isFile()) {
        if (const int error = CopyFileReplacing(defaultIcon, icon)) {
            errno = error;
            ReportStreamError(kIconCopyError);
            return false;
        }
    }

    if (!WriteAutorun(host.Settings().CDLabel)) return false;

    const QString settings = StudioSettingsFile();
    TIniFile settingsFile(settings);
    if (!settingsFile.WriteString(SettingsKey::StartSection, SettingsKey::DefaultPath, ProjectFolder)) {
        ShowFailure(QStringLiteral("The settings file \"%1\" could not be written, so this project "
                                   "folder is not remembered as the default one.")
                        .arg(QDir::toNativeSeparators(settings)));
        return false;
    }
    return true;
}
