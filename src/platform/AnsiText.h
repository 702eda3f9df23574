// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The text as it comes back from the Windows-1252 code page: characters it
// holds stay, every other UTF-16 unit becomes "?". The five bytes that code
// page leaves undefined stand for the C1 controls of the same value.
QString ThroughAnsiCodePage(QStringView text);
