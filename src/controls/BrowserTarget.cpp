// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/BrowserTarget.h"

#include "model/ProjectPaths.h"

#include <QFileInfo>

QUrl BrowserTarget(const QString& projectFolder, const QString& address)
{
    if (address.isEmpty()) return QUrl::fromLocalFile(projectFolder);
    const QString path = ResolveProjectPath(projectFolder, address);
    if (!path.isEmpty() && QFileInfo::exists(path)) return QUrl::fromLocalFile(path);
    return QUrl::fromUserInput(address);
}
