// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/VersionNode.h"

#include <QtEndian>

namespace {

constexpr qsizetype kNodeHeader = 6;

// A 16-bit field of the tree; only called for offsets checked to hold one.
quint16 Field(QByteArrayView tree, qsizetype offset)
{
    return qFromLittleEndian<quint16>(tree.data() + offset);
}

bool Holds16(QByteArrayView tree, qsizetype offset)
{
    return offset >= 0 && offset + 2 <= tree.size();
}

qsizetype RoundUp4(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

char16_t AsciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

// Compares the node's key with the path's current key, both zeros
// included; the offset just after the node's zero, or -1.
qsizetype MatchKey(QByteArrayView tree, qsizetype keyOffset, const char16_t* key)
{
    for (qsizetype i = 0;; ++i) {
        const qsizetype at = keyOffset + 2 * i;
        if (!Holds16(tree, at) || AsciiUpper(Field(tree, at)) != AsciiUpper(key[i])) return -1;
        if (key[i] == 0) return at + 2;
    }
}

// A node's children are searched within its own length, and no node reaches
// past its parent: a damaged length cannot widen the search, so every
// level of the walk covers the tree at most once.
std::optional<VersionValueSpot> FindAt(QByteArrayView tree, qsizetype node, qsizetype limit,
                                       const char16_t* key)
{
    if (node + kNodeHeader > tree.size()) return std::nullopt;
    const qsizetype end = qMin(node + Field(tree, node), limit);
    const qsizetype valueLength = Field(tree, node + 2);
    const bool text = Field(tree, node + 4) != 0;
    const qsizetype afterKey = MatchKey(tree, node + kNodeHeader, key);
    if (afterKey < 0) return std::nullopt;

    qsizetype at = RoundUp4(afterKey);
    const char16_t* rest = key + std::u16string_view(key).size() + 1;
    if (*rest == 0) return VersionValueSpot{at, end};

    at += text ? valueLength * 2 : valueLength;
    for (;;) {
        at = RoundUp4(at);
        if (at >= end || at + kNodeHeader > tree.size()) return std::nullopt;
        if (auto found = FindAt(tree, at, end, rest)) return found;
        const qsizetype childLength = Field(tree, at);
        if (childLength == 0) return std::nullopt;
        at += childLength;
    }
}

} // namespace

std::u16string VersionKeyPath(std::initializer_list<QStringView> keys)
{
    std::u16string path;
    for (QStringView key : keys) {
        path.append(reinterpret_cast<const char16_t*>(key.utf16()), size_t(key.size()));
        path.push_back(0);
    }
    path.push_back(0);
    return path;
}

std::optional<VersionValueSpot> FindVersionNode(QByteArrayView tree, const std::u16string& path)
{
    if (path.empty() || path[0] == 0) return std::nullopt;
    return FindAt(tree, 0, tree.size(), path.c_str());
}

qsizetype VersionTextLength(QByteArrayView tree, VersionValueSpot spot)
{
    qsizetype n = 0;
    while (spot.offset + 2 * n + 2 <= spot.end && Holds16(tree, spot.offset + 2 * n)
           && Field(tree, spot.offset + 2 * n) != 0)
        ++n;
    return n;
}

QString VersionText(QByteArrayView tree, VersionValueSpot spot)
{
    const qsizetype n = VersionTextLength(tree, spot);
    QString text(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) text[i] = QChar(Field(tree, spot.offset + 2 * i));
    return text;
}

bool OverwriteVersionText(QByteArray& tree, VersionValueSpot spot, QStringView text)
{
    if (text.size() > VersionTextLength(tree, spot)) return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian(quint16(text[i].unicode()), tree.data() + spot.offset + 2 * i);
    return true;
}
