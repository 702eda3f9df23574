// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// What the browser panel opens for its stored address: the project folder
// for an empty address, a file or folder of the project when the address
// names one that exists, else the address itself as a web address.
QUrl BrowserTarget(const QString& projectFolder, const QString& address);
