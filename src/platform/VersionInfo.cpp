// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/VersionInfo.h"

#include "platform/CodePage.h"
#include "platform/ExeVersionTree.h"
#include "platform/PatchError.h"
#include "platform/VersionNode.h"

#include <QFileInfo>

#include <exception>

QString ReadVersionValue(const QString& file, const QString& key)
{
    // Only regular files: opening a named pipe for reading would wait for
    // a writer.
    if (!QFileInfo(file).isFile()) return {};
    try {
        TFile exe(file, TFile::Disposition::OpenExisting, TFile::Access::Read, TFile::Share::Read);
        const ExeVersionTree tree = LoadExeVersionTree(exe, PeImageKinds::Pe32AndPe32Plus);
        const auto spot = FindVersionNode(
            tree.bytes, VersionKeyPath({u"VS_VERSION_INFO", u"StringFileInfo", u"040904E4", key}));
        return spot ? VersionText(tree.bytes, *spot) : QString();
    } catch (const std::exception&) {
        // Unreadable or foreign files simply carry no version information.
        return {};
    }
}

QString ReadVersionFileName(const QString& file)
{
    return ReadVersionValue(file, QStringLiteral("OriginalFilename"));
}

QString ReadFileVersion(const QString& file)
{
    return ReadVersionValue(file, QStringLiteral("FileVersion"));
}

void PatchExeVersionText(const QString& file, const QString& newText)
{
    TFile exe(file, TFile::Disposition::OpenExisting, TFile::Access::ReadWrite, TFile::Share::None);
    ExeVersionTree tree = LoadExeVersionTree(exe, PeImageKinds::Pe32Only);
    const auto spot = FindVersionNode(
        tree.bytes, VersionKeyPath({u"VS_VERSION_INFO", u"StringFileInfo", u"040904e4", u"OriginalFilename"}));
    if (!spot) throw EPatchError("Unexpected version resource format (1)");
    if (!OverwriteVersionText(tree.bytes, *spot, DecodeAnsi(EncodeAnsi(newText))))
        throw EPatchError("Text too long (1)");
    exe.Seek(tree.offset);
    exe.Write(tree.bytes.constData(), tree.bytes.size());
}

QString TrimVersionText(const QString& text)
{
    auto blankOrControl = [](QChar c) { return c.unicode() <= u' ' || c.category() == QChar::Other_Control; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blankOrControl(text[begin])) ++begin;
    while (end > begin && blankOrControl(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}
