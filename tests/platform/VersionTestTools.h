// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

// File bytes and the outcome of a patch, for the version tests.
QByteArray Bytes(const QString& path);
QString Store(const QString& path, const QByteArray& bytes);
QByteArray Utf16(const QString& text);
// The message of what PatchExeVersionText raised, "" when it succeeded;
// file errors as "file error <code>: <message>".
std::string PatchFailure(const QString& file, const QString& text);

// The external programs the version tests build and inspect executables
// with. A missing program or a failed run throws ToolFailure naming it, so
// a test without its tools fails instead of passing unchecked; the
// programs come with scripts/install-deps.sh.
struct ToolFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program's standard output.
QByteArray RunTool(const QString& program, const QStringList& arguments, const QString& folder = {});

// Compiles a do-nothing Windows program with the resource script into
// folder/name.exe: 32-bit, or 64-bit when wide; returns its path.
QString BuildPe(const QString& folder, const QString& name, const QString& resourceScript, bool wide = false);

// The version resource of a PE file as the resource tools decompile it.
QByteArray DecompiledResources(const QString& exe);
// The raw bytes of its version resource, as wrestool extracts them.
QByteArray RawVersionResource(const QString& exe);

// A VERSIONINFO statement with the project's values and the given
// OriginalFilename; the block keys as given, to test their letter case.
QString VersionScript(const QString& originalFilename, const QString& stringFileInfo = "StringFileInfo",
                      const QString& table = "040904E4", const QString& resourceName = "1");
