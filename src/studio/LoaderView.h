// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// How this system's dynamic loader resolves the libraries of a program or
// library and of everything they link, as sonames and the files they were
// found in. The loader itself answers (in its listing mode, which runs
// none of the file's code), so the answer follows its search rules exactly:
// search paths, its cache, the default folders.
//
// False with a reason when the loader cannot be run or cannot list the
// file; a library it does not find is missing from the map.
bool ResolveWithLoader(const QString& file, QMap<QByteArray, QString>& resolved, QString* error);
