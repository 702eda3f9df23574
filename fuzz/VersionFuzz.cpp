// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as an executable whose version information is
// read and patched. The reader tells a PE file from an ELF file itself; the
// two builds of this target differ only in their seed corpus. Reading must
// give a value or nothing; the patch must fail with its declared errors or
// change only the value's characters, never the file's size.
#include "platform/ExeFile.h"
#include "platform/PatchError.h"
#include "platform/VersionInfo.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// One pair of files per process, rewritten for every input; a TMPDIR on a
// memory file system keeps the disk out of the fuzzing loop.
const QString& FilePath(const char* suffix)
{
    static const QString base =
        QDir::tempPath() + QStringLiteral("/velomni-fuzz-version-%1").arg(QCoreApplication::applicationPid());
    static QString paths[2] = {base + "-read.exe", base + "-patch.exe"};
    static const bool cleanUp = [] {
        std::atexit([] {
            QFile::remove(paths[0]);
            QFile::remove(paths[1]);
        });
        return true;
    }();
    (void)cleanUp;
    return suffix[0] == 'r' ? paths[0] : paths[1];
}

void Store(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

QByteArray Load(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) std::abort();
    return f.readAll();
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "version patch fault: %s\n", what);
    std::abort();
}

// The patch may change at most the characters of the new text.
void CheckPatch(const QByteArray& before, const QByteArray& after, const QString& text, bool patched)
{
    if (after.size() != before.size()) Fail("the file changed its size");
    if (after == before) return;
    qsizetype first = 0;
    while (before[first] == after[first]) ++first;
    if (!patched) Fail("a failed patch changed the file");
    qsizetype last = before.size() - 1;
    while (before[last] == after[last]) --last;
    if (last - first + 1 > 2 * text.size()) Fail("bytes beyond the value changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString& readPath = FilePath("read");
    Store(readPath, bytes);
    ReadVersionFileName(readPath);
    ReadFileVersion(readPath);

    const QString& patchPath = FilePath("patch");
    Store(patchPath, bytes);
    const QString text = QString::fromLatin1(kPlayerOriginalFilename);
    bool patched = false;
    try {
        PatchExeVersionText(patchPath, text);
        patched = true;
    } catch (const EPatchError&) {
    } catch (const EFileError&) {
    }
    CheckPatch(bytes, Load(patchPath), text, patched);
    if (patched && !ReadVersionFileName(patchPath).startsWith(text)) Fail("the patched value reads back differently");
    return 0;
}
