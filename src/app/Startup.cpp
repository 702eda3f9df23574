// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"

#include "app/MessageAnchorWindow.h"
#include "model/DiscLayout.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/VersionInfo.h"
#include "studio/StudioSettings.h"
#include "player/VelomniForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kDefaultFolderBelowDocuments = QStringLiteral("Velomni Studio Projects/CDROM");

void ShowStartupMessage(const QString& caption, const QString& text)
{
    TMessageAnchorWindow anchor;
    GetMessageBoxes().Show(caption, text, MsgIcon::Information, MsgButtons::Ok);
}

bool FolderExists(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

} // namespace

bool IsStudioVersionText(const QString& originalFilename)
{
    return TrimVersionText(originalFilename) == QLatin1String(kStudioOriginalFilename);
}

QString DefaultProjectFolder(const QString& exeFolder, const QString& personalFolder)
{
    QString folder;
    const QString settings = StudioSettingsPath(exeFolder);
    if (QFileInfo::exists(settings))
        folder = TIniFile(settings).ReadString(SettingsKey::StartSection, SettingsKey::DefaultPath, QString());
    if (folder.isEmpty()) {
        const QString fallback = QDir(personalFolder).filePath(kDefaultFolderBelowDocuments);
        if (!personalFolder.isEmpty() && FolderExists(fallback)) folder = QDir::toNativeSeparators(fallback);
    }
    folder = WithoutTrailingSeparator(folder);
    return FolderExists(folder) ? folder : QString();
}

QString ArgumentProjectFolder(const QString& argument)
{
    if (argument.isEmpty()) return QString();
    const QFileInfo named(argument);
    if (!named.isDir() && !named.isFile()) return QString();
    const QString folder = named.isDir() ? named.absoluteFilePath() : named.absolutePath();
    return WithoutTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

TStartupEnvironment CurrentStartupEnvironment()
{
    TStartupEnvironment environment;
    environment.exePath = QCoreApplication::applicationFilePath();
    environment.versionText = ReadVersionFileName(environment.exePath);
    environment.personalFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) environment.argument = arguments[1];
    return environment;
}

std::unique_ptr<TVelomniForm> PrepareStartup(const TStartupEnvironment& environment)
{
    DataFileName = QStringLiteral("velomni.vpj");
    ExitRequested = false;
    ExeFolder = WithoutTrailingSeparator(
        QDir::toNativeSeparators(QFileInfo(environment.exePath).absolutePath()));

    IsStudio = IsStudioVersionText(environment.versionText);
    QCoreApplication::setApplicationName(IsStudio ? QStringLiteral("Velomni Studio")
                                                  : QStringLiteral("Velomni"));
    if (IsStudio) {
        PersonalFolder = WithoutTrailingSeparator(QDir::toNativeSeparators(environment.personalFolder));
        // A folder or data file named on the command line (a file manager
        // opening a project) comes before the remembered one.
        ProjectFolder = ArgumentProjectFolder(environment.argument);
        if (ProjectFolder.isEmpty()) ProjectFolder = DefaultProjectFolder(ExeFolder, PersonalFolder);
        if (ProjectFolder.isEmpty()) {
            TMessageAnchorWindow anchor;
            GetMessageBoxes().Show(QStringLiteral("Project Folder"),
                                   QStringLiteral("The default project folder does not exist."),
                                   MsgIcon::Information, MsgButtons::Ok);
            ProjectFolder = GetDialogs().ChooseFolder(&anchor, QStringLiteral("Select Project Folder"),
                                                      ProjectFolder);
            if (ProjectFolder.isEmpty()) return nullptr;
        }
    } else {
        ProjectFolder = PlayerProjectFolder(ExeFolder, DataFileName);
    }
    ProjectFolder = WithoutTrailingSeparator(ProjectFolder);

    auto form = std::make_unique<TVelomniForm>();
    const QString dataFile = QDir(ProjectFolder).filePath(DataFileName);
    if (!ProjectFolder.isEmpty() && QFileInfo::exists(dataFile)) {
        if (!form->Load(dataFile)) {
            if (!IsStudio) return nullptr;
            form->ResetProject();
        }
    } else {
        ShowStartupMessage(QStringLiteral("Information"),
                           QStringLiteral("Velomni CD Data file does not exist."));
        if (!IsStudio) return nullptr;
    }
    if (!IsStudio) QCoreApplication::setApplicationName(form->Settings().ApplicationTitle);
    return form;
}
