// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/ProjectFileChooser.h"

#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool Ask(const QString& caption, const QString& text)
{
    return GetMessageBoxes().Show(caption, text, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes;
}

} // namespace

std::optional<QString> RelativeToProject(const QString& file, const QString& projectFolder)
{
    if (projectFolder.isEmpty() || !IsInsideFolder(file, projectFolder)) return std::nullopt;
    const QString relative = QDir(QDir::fromNativeSeparators(projectFolder))
                                 .relativeFilePath(QDir::cleanPath(QDir::fromNativeSeparators(file)));
    if (relative == QLatin1String(".")) return QStringLiteral("\\");
    return QLatin1Char('\\') + QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

std::optional<QString> CopyFileSafely(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return in.errorString();
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    char buffer[1 << 16];
    for (;;) {
        const qint64 count = in.read(buffer, sizeof buffer);
        if (count < 0) return in.errorString();
        if (count == 0) break;
        if (out.write(buffer, count) != count) return out.errorString();
    }
    if (!out.commit()) return out.errorString();
    return std::nullopt;
}

std::optional<QString> ChooseProjectFile(const QString& path, const QString& filter, QWidget* parent)
{
    const QString trimmed = path.trimmed();
    const QString startFile =
        trimmed.isEmpty() || trimmed == QLatin1String("\\") ? QString() : ResolveProjectPath(ProjectFolder, trimmed);
    const QString chosen = GetDialogs().OpenFile(parent, filter, startFile, startFile.isEmpty() ? ProjectFolder
                                                                                              : QString());
    if (chosen.isEmpty()) return std::nullopt;
    if (const auto inside = RelativeToProject(chosen, ProjectFolder)) return inside;

    if (!Ask(QStringLiteral("Copy file"), QStringLiteral("The file you selected is not in project folder, copy it?")))
        return std::nullopt;
    const QString folder =
        GetDialogs().ChooseFolderUnder(parent, QStringLiteral("Copy selected file to project folder"), ProjectFolder);
    if (folder.isEmpty()) return std::nullopt;
    QString relativeFolder = RelativeToProject(folder, ProjectFolder).value_or(QString());
    if (relativeFolder.isEmpty()) return std::nullopt;
    if (relativeFolder == QLatin1String("\\")) relativeFolder.clear();
    const QString name = QFileInfo(chosen).fileName();
    const QString target = relativeFolder + QLatin1Char('\\') + name;
    const QString targetFile = ResolveProjectPath(ProjectFolder, target);
    if (QFileInfo::exists(targetFile) &&
        !Ask(QStringLiteral("File Exists"),
             QStringLiteral("\"\\%1\" already exists, overwrite?").arg(name)))
        return std::nullopt;
    if (const auto error = CopyFileSafely(chosen, targetFile)) {
        ShowErrorBox(*error);
        return std::nullopt;
    }
    return target;
}
