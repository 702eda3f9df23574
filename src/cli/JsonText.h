// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonObject>

// The exported project as indented JSON text with every object's members in
// the order of the records they come from (QJsonDocument would sort them).
QByteArray ProjectJsonText(const QJsonObject& project);
