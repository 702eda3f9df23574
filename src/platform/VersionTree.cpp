// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/VersionTree.h"

#include <QList>
#include <QtEndian>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr quint16 kBinary = 0;
constexpr quint16 kText = 1;
constexpr quint32 kFixedSignature = 0xFEEF04BD;
constexpr quint32 kFixedStructVersion = 0x00010000;
constexpr quint32 kFlagsMask = 0x3F;
constexpr quint32 kOsNtWindows32 = 0x00040004;
constexpr quint32 kTypeApplication = 1;
constexpr quint16 kLanguageUsEnglish = 0x0409;
constexpr quint16 kCodePageWindows1252 = 0x04E4;
constexpr qsizetype kMaxNodeLength = 0xFFFF;

void Append16(QByteArray& bytes, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), 2);
}

void Append32(QByteArray& bytes, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray Utf16Z(QStringView text)
{
    QByteArray bytes;
    for (QChar c : text) Append16(bytes, c.unicode());
    Append16(bytes, 0);
    return bytes;
}

void PadTo4(QByteArray& bytes)
{
    while (bytes.size() % 4 != 0) bytes.append('\0');
}

// One node: lengths, key, value and children, each of the last three
// starting on a 4-byte boundary. The node's length ends with its last
// byte, so the padding after it belongs to the parent. Empty when the node
// or one of its children is too long.
QByteArray Node(QStringView key, quint16 type, quint16 valueLength, const QByteArray& value,
                std::initializer_list<QByteArray> children = {})
{
    QByteArray bytes;
    Append16(bytes, 0);
    Append16(bytes, valueLength);
    Append16(bytes, type);
    bytes += Utf16Z(key);
    PadTo4(bytes);
    bytes += value;
    for (const QByteArray& child : children) {
        if (child.isEmpty()) return {};
        PadTo4(bytes);
        bytes += child;
    }
    if (bytes.size() > kMaxNodeLength) return {};
    qToLittleEndian(quint16(bytes.size()), bytes.data());
    return bytes;
}

QByteArray TextNode(QStringView key, QStringView text)
{
    if (text.size() >= kMaxNodeLength) return {};
    return Node(key, kText, quint16(text.size() + 1), Utf16Z(text));
}

QByteArray FixedFileInfo(const VersionFields& fields)
{
    const auto file = ParseVersionNumbers(fields.fileVersion).value_or(std::array<quint16, 4>{});
    const auto product = ParseVersionNumbers(fields.productVersion).value_or(std::array<quint16, 4>{});
    QByteArray bytes;
    Append32(bytes, kFixedSignature);
    Append32(bytes, kFixedStructVersion);
    for (const auto& v : {file, product}) {
        Append32(bytes, quint32(v[0]) << 16 | v[1]);
        Append32(bytes, quint32(v[2]) << 16 | v[3]);
    }
    Append32(bytes, kFlagsMask);
    Append32(bytes, 0); // flags
    Append32(bytes, kOsNtWindows32);
    Append32(bytes, kTypeApplication);
    Append32(bytes, 0); // subtype
    Append32(bytes, 0); // date, high half
    Append32(bytes, 0); // date, low half
    return bytes;
}

} // namespace

std::optional<std::array<quint16, 4>> ParseVersionNumbers(QStringView text)
{
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() != 4) return std::nullopt;
    std::array<quint16, 4> numbers{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok);
        const bool digitsOnly =
            std::all_of(parts[i].begin(), parts[i].end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok || !digitsOnly || value > 0xFFFF) return std::nullopt;
        numbers[i] = quint16(value);
    }
    return numbers;
}

QByteArray BuildVersionTree(const VersionFields& fields)
{
    const QByteArray strings = Node(u"040904E4", kText, 0, {},
                                    {TextNode(u"CompanyName", fields.companyName),
                                     TextNode(u"FileDescription", fields.fileDescription),
                                     TextNode(u"FileVersion", fields.fileVersion),
                                     TextNode(u"InternalName", fields.internalName),
                                     TextNode(u"LegalCopyright", fields.legalCopyright),
                                     TextNode(u"OriginalFilename", fields.originalFilename),
                                     TextNode(u"ProductName", fields.productName),
                                     TextNode(u"ProductVersion", fields.productVersion)});
    QByteArray translation;
    Append16(translation, kLanguageUsEnglish);
    Append16(translation, kCodePageWindows1252);
    const QByteArray fixed = FixedFileInfo(fields);
    return Node(u"VS_VERSION_INFO", kBinary, quint16(fixed.size()), fixed,
                {Node(u"StringFileInfo", kText, 0, {}, {strings}),
                 Node(u"VarFileInfo", kText, 0, {},
                      {Node(u"Translation", kBinary, quint16(translation.size()), translation)})});
}
