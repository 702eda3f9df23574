// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>
#include <string>

// Finding and rewriting one value in a VS_VERSIONINFO tree held in memory.
// Every node is three 16-bit fields (total length, value length, type: 1
// text, 0 binary), a zero-terminated UTF-16 key, then its value and its
// children, each starting on a 4-byte boundary of the tree. Damaged trees
// give "not found"; nothing is read outside the tree.

// The keys of a path from the root, each ended by a zero character, with
// one more zero after the last.
std::u16string VersionKeyPath(std::initializer_list<QStringView> keys);

// The value of a found node: where it starts and where its node ends.
struct VersionValueSpot {
    qsizetype offset = 0;
    qsizetype end = 0;
};

// Keys match when equal after turning "a" to "z" into upper case; other
// characters compare unchanged.
std::optional<VersionValueSpot> FindVersionNode(QByteArrayView tree, const std::u16string& path);

// The characters of a text value before its zero (or before its node ends).
qsizetype VersionTextLength(QByteArrayView tree, VersionValueSpot spot);
QString VersionText(QByteArrayView tree, VersionValueSpot spot);

// Writes the text over the value's first characters, without a zero, so
// the old value's tail stays when the text is shorter. A text longer than
// the value is refused: false, nothing written.
bool OverwriteVersionText(QByteArray& tree, VersionValueSpot spot, QStringView text);
