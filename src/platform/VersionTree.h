// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The ELF section that carries the executable's VS_VERSIONINFO tree on
// systems without PE resources. The tree starts at the section's first
// byte, which is 4-aligned.
inline constexpr char kVersionSectionName[] = ".velomni_version";

// The string values of the version information, held in this order in
// the string table 040904E4 (U.S. English, Windows-1252).
struct VersionFields {
    QString companyName;
    QString fileDescription;
    QString fileVersion;
    QString internalName;
    QString legalCopyright;
    QString originalFilename;
    QString productName;
    QString productVersion;
};

// "a.b.c.d" with four decimal numbers up to 65535.
std::optional<std::array<quint16, 4>> ParseVersionNumbers(QStringView text);

// The VS_VERSIONINFO tree byte for byte as the resource compilers lay it
// out: the fixed file information (numbers from fileVersion and
// productVersion, zero where those are not four numbers), then
// StringFileInfo\040904E4 and VarFileInfo\Translation 0x0409 0x04E4. Empty
// when the values make it too large for the tree's 16-bit lengths.
QByteArray BuildVersionTree(const VersionFields& fields);
