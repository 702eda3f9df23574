// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

class DiscEngine;

// Puts a folder's contents at the root of the engine's layout: first every
// sub-folder with its contents, then every file, each in the order the
// file system lists them. An entry that cannot be added is reported in a
// message box and the rest is still added; so is an entry whose name is
// not valid UTF-8, which cannot be named to the engine. Each added name is
// shown through showStatus. The number of entries that could not be added.
int BuildLayout(DiscEngine& engine, const QString& folder, const std::function<void(const QString&)>& showStatus);
