// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// A data file that failed to load is renamed beside itself before the
// project bound to its folder can be saved over it: "<name>.damaged", or
// "<name>.damaged.2", ".3" ... when that is taken. Returns the new path;
// empty when the file could not be renamed.
QString SetDamagedFileAside(const QString& path);

// What the user is told after the data file at path failed to load and
// was kept as keptPath (empty when it could not be kept).
QString DamagedFileMessage(const QString& path, const QString& keptPath);
