// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionKindRules.h"

#include "model/Kinds.h"
#include "model/ProjectPaths.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

ParameterLook Look(const char* label, bool enabled, ParameterChooser chooser)
{
    return {QString::fromLatin1(label), enabled, chooser};
}

} // namespace

ParameterLook ParameterLookOf(int kind)
{
    using enum ParameterChooser;
    static const std::array<ParameterLook, kActionKindCount> looks = {
        Look("File Name:", true, ProjectFile),      // OpenRunFile
        Look("Website URL:", true, None),           // VisitWebsite
        Look("Email Address:", true, None),         // SendEmail
        Look("File Name:", true, ProjectFile),      // PrintDocument
        Look("File Name:", true, ProjectFile),      // PlaySound
        Look("File Name:", true, ProjectFile),      // PlayBackSound (Loop)
        Look("File Name:", false, None),            // StopSound
        Look("File Name:", false, None),            // StopBackSound
        Look("Folder:", true, ProjectFolder),       // BrowseCD
        Look("File Name:", false, None),            // Exit
    };
    if (kind < 0 || kind >= kActionKindCount) return Look("File Name:", false, None);
    return looks[size_t(kind)];
}

bool StoreEditedAction(TVoAction& action, int kind, const QString& parameter)
{
    if (action.ActionType == kind && action.Parameter == parameter) return false;
    action.ActionType = quint8(kind);
    action.Parameter = parameter;
    return true;
}

QString ActionFolderStart(const QString& projectFolder, const QString& parameter)
{
    QString relative = parameter.trimmed();
    if (!relative.startsWith(QLatin1Char('\\'))) relative.prepend(QLatin1Char('\\'));
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(ResolveProjectPath(projectFolder, relative)));
    // ".." in the text must not lead the chooser out of the project.
    const bool usable = !folder.isEmpty() && QFileInfo(folder).isDir() && IsInsideFolder(folder, projectFolder);
    return usable ? folder : projectFolder;
}
