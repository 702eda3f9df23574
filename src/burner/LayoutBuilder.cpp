// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/LayoutBuilder.h"

#include "burner/BurnerTexts.h"
#include "burner/DiscEngine.h"
#include "platform/FolderNames.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>

int BuildLayout(DiscEngine& engine, const QString& folder, const std::function<void(const QString&)>& showStatus)
{
    showStatus(QStringLiteral("========== ADD FILES TO CD/DVD LAYOUT ... "));
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
    int failures = 0;
    // A link to a folder goes onto the disc as the link itself.
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) continue;
        const QString pattern = FolderPattern(entry.absoluteFilePath());
        if (engine.AddFolder(pattern, QStringLiteral("\\") + entry.fileName())) {
            showStatus(entry.fileName());
        } else {
            ++failures;
            GetMessageBoxes().Show(QStringLiteral("Error"), FolderNotAddedMessage(pattern), MsgIcon::Error,
                                   MsgButtons::Ok);
        }
    }
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) continue;
        const QString path = QDir::toNativeSeparators(entry.absoluteFilePath());
        if (engine.AddFile(path, QStringLiteral("\\") + entry.fileName())) {
            showStatus(entry.fileName());
        } else {
            ++failures;
            GetMessageBoxes().Show(QStringLiteral("Error"), FileNotAddedMessage(path), MsgIcon::Error,
                                   MsgButtons::Ok);
        }
    }
    // Names in another character set are missing from the listing above;
    // they cannot be named to the engine, so each is reported rather than
    // left out unseen.
    for (const QString& name : UndecodableEntryNames(folder)) {
        ++failures;
        const QString path = QDir::toNativeSeparators(dir.filePath(name));
        GetMessageBoxes().Show(QStringLiteral("Error"), FileNotAddedMessage(path), MsgIcon::Error, MsgButtons::Ok);
    }
    return failures;
}
