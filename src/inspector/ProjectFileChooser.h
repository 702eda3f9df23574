// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

// Picks a file for a row and gives it as a path relative to the project
// folder ("\media\intro.wav"). The dialog starts at the row's file, or in
// the project folder for an empty path or "\". A file chosen outside the
// project is copied into a folder of the project the user picks, after
// asking; nothing when the user cancels anywhere or the copy fails (which
// is reported).
std::optional<QString> ChooseProjectFile(const QString& path, const QString& filter, QWidget* parent = nullptr);

// The file's path relative to the folder, beginning with a backslash and
// with backslash separators; nothing when the file is not inside it.
std::optional<QString> RelativeToProject(const QString& file, const QString& projectFolder);

// Copies a file over the target so that a failed copy leaves the target
// as it was: through a temporary file beside it, renamed at the end. The
// system's error text on failure, else nothing.
std::optional<QString> CopyFileSafely(const QString& source, const QString& target);
