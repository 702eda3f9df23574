// SPDX-License-Identifier: GPL-2.0-or-later
// File > Recent Projects: the project folders last opened or saved.
#include "studio/MainForm.h"

#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "platform/MessageBoxes.h"
#include "studio/RecentProjects.h"
#include "studio/StudioSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TMainForm::NoteRecentProject()
{
    if (ProjectFolder.isEmpty() || !QFileInfo(ProjectFolder).isDir()) return;
    TIniFile ini(StudioSettingsFile());
    const QStringList list = ReadRecentProjects(ini);
    const QStringList pushed = PushRecentProject(list, ProjectFolder);
    // An unwritable settings file leaves the list as it was.
    if (pushed != list) WriteRecentProjects(ini, pushed);
    RefreshRecentMenu();
}

void TMainForm::RefreshRecentMenu()
{
    // The items go later: one of them may be the one being chosen now.
    for (QAction* item : RecentProjects1->actions()) {
        RecentProjects1->removeAction(item);
        item->deleteLater();
    }
    const QStringList list = ReadRecentProjects(TIniFile(StudioSettingsFile()));
    for (int i = 0; i < list.size(); ++i) {
        const QString folder = list[i];
        QString label = QDir::toNativeSeparators(folder);
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = RecentProjects1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label));
        item->setData(folder);
        connect(item, &QAction::triggered, this, [this, folder] { OpenRecentProject(folder); });
    }
    RecentProjects1->menuAction()->setEnabled(!list.isEmpty());
}

void TMainForm::OpenRecentProject(const QString& folder)
{
    if (!QFileInfo(folder).isDir()) {
        TIniFile ini(StudioSettingsFile());
        WriteRecentProjects(ini, RemoveRecentProject(ReadRecentProjects(ini), folder));
        RefreshRecentMenu();
        GetMessageBoxes().Show(QStringLiteral("Recent Projects"),
                               QStringLiteral("The project folder \"%1\" no longer exists. It has been removed "
                                              "from the list of recent projects.")
                                   .arg(QDir::toNativeSeparators(folder)),
                               MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    if (!CommitPendingEdit() || !ConfirmSaveChanges()) return;
    OpenProjectFolder(folder);
}
