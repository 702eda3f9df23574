// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ProjectFile.h"

#include "platform/CodePage.h"
#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/ProjectHost.h"
#include "model/StreamError.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"
#include "platform/FileSync.h"
#include "platform/MessageBoxes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// Nothing in the header text or value is read back; they only identify the
// writer to someone who looks at the file.
const QString kHeaderText = QStringLiteral("Velomni Studio project");
constexpr qint32 kHeaderValue = 1;

constexpr qint32 kBodyVersion = 1;
constexpr qint32 kObjectRecordVersion = 1;

// The smallest records the file can hold, so a count can be checked
// against the bytes that remain before anything is made for it.
constexpr qint64 kMinActionRecord = 4 + 1 + 4;
constexpr qint64 kMinObjectRecord = 4 + 4 + 1 + 4 + 4 + 4 + 16;

void CheckCount(qint32 count, qint64 minRecord, const TVoStream& stream)
{
    if (count < 0) throw StreamError::BadData("negative count");
    if (count > stream.Remaining() / minRecord) throw StreamError::Truncated("count beyond the data");
}

// Stored bounds as a rectangle a widget can take: coordinates and sizes
// beyond 2^24 pixels (the largest widget size) are brought within it, so no
// later arithmetic on the rectangle overflows.
QRect StoredBounds(qint32 left, qint32 top, qint32 width, qint32 height)
{
    constexpr qint32 kLimit = (1 << 24) - 1;
    return QRect(std::clamp(left, -kLimit, kLimit), std::clamp(top, -kLimit, kLimit),
                 std::clamp(width, 0, kLimit), std::clamp(height, 0, kLimit));
}

void ShowInformation(const QString& caption, const QString& text)
{
    GetMessageBoxes().Show(caption, text, MsgIcon::Information, MsgButtons::Ok);
}

bool WriteAction(TVoStream& stream, const TVoAction& action)
{
    return RunReported(2005, [&] {
        stream.WriteI32(0);
        stream.WriteU8(action.ActionType);
        return WriteString(stream, action.Parameter);
    });
}

bool ReadAction(TVoStream& stream, TVoAction& action)
{
    return RunReported(2006, [&] {
        if (stream.ReadI32() != 0) {
            ShowDataError();
            return false;
        }
        action.ActionType = stream.ReadU8();
        return ReadString(stream, action.Parameter);
    });
}

// Reports the failure being handled as a file error, with its own number.
void ReportCaughtFileError(const QString& path)
{
    int osError = errno;
    try {
        throw;
    } catch (const StreamError& e) {
        osError = e.OsError();
    } catch (const std::bad_alloc&) {
        osError = ENOMEM;
    } catch (...) {
    }
    errno = osError;
    ReportFileError(0, path);
}

// Writes the file under a temporary name beside it and renames it over
// the old one only when complete, so a failed or killed save never leaves
// a truncated data file behind: the file is always the old or the new one.
bool WriteProjectFile(TProjectHost& host, const QString& path)
{
    const QString temporary = SavingFileName(path);
    bool reported = false;
    try {
        // What a killed save left may be read-only or a link: never write
        // through it.
        QFile::remove(temporary);
        TFileStream stream(temporary, TFileStream::Mode::Create);
        stream.WriteU32(kProjectMagic);
        stream.WriteI32(kProjectFormatVersion);
        if (!WriteScrambledString(stream, kHeaderText)) reported = true;
        if (!reported) stream.WriteI32(kHeaderValue);
        if (!reported && !WriteProjectBody(host, stream)) reported = true;
        if (!reported) {
            stream.Flush();
            stream.Close();
            std::error_code error;
            std::filesystem::rename(QFile::encodeName(temporary).toStdString(),
                                    QFile::encodeName(path).toStdString(), error);
            if (error) throw StreamError(error.value(), "cannot replace the data file");
            // The file is replaced; a folder that cannot be synced only
            // risks the rename on a power loss, so that is not a failure.
            SyncFolderToDisc(QFileInfo(path).absolutePath());
            return true;
        }
    } catch (...) {
        const int osError = errno;
        QFile::remove(temporary);
        errno = osError;
        ReportCaughtFileError(path);
        return false;
    }
    QFile::remove(temporary);
    return false;
}

} // namespace

bool SaveProject(TProjectHost& host, const QString& path)
{
    return WriteProjectFile(host, path);
}

bool LoadProject(TProjectHost& host, const QString& path)
{
    try {
        TFileStream stream(path, TFileStream::Mode::Read);
        return LoadProjectStream(host, stream, path);
    } catch (...) {
        ReportCaughtFileError(path);
        return false;
    }
}

bool LoadProjectStream(TProjectHost& host, TVoStream& stream, const QString& path)
{
    try {
        if (stream.ReadU32() != kProjectMagic) {
            ShowInformation(QStringLiteral("File Format"), QStringLiteral("Invalid file format."));
            return false;
        }
        if (stream.ReadI32() != kProjectFormatVersion) {
            ShowInformation(QStringLiteral("Information"),
                            QStringLiteral("The file is too new to read, maybe you need install "
                                           "newest version of the software."));
            return false;
        }
        QString headerText;
        if (!ReadScrambledString(stream, headerText)) return false;
        stream.ReadI32(); // header value, not used
        return ReadProjectBody(host, stream);
    } catch (...) {
        ReportCaughtFileError(path);
        return false;
    }
}

bool WriteScrambledString(TVoStream& stream, const QString& text)
{
    return RunReported(2001, [&] {
        QRandomGenerator random(QRandomGenerator::system()->generate());
        const qint32 n = qint32(random.bounded(1, 51));
        stream.WriteI32(n);
        for (qint32 i = 0; i < n; ++i) stream.WriteI32(qint32(random.bounded(0, 2147483647)));
        QByteArray bytes = EncodeAnsi(text);
        const char key = char(n & 0xFF);
        for (char& b : bytes) b ^= key;
        return WriteRawString(stream, bytes);
    });
}

bool ReadScrambledString(TVoStream& stream, QString& text)
{
    return RunReported(2002, [&] {
        const qint32 n = stream.ReadI32();
        if (n < 0) throw StreamError::BadData("negative filler count");
        if (qint64(n) * 4 > stream.Remaining()) throw StreamError::Truncated();
        stream.Seek(stream.Position() + qint64(n) * 4);
        QByteArray bytes;
        if (!ReadRawString(stream, bytes)) return false;
        const char key = char(n & 0xFF);
        for (char& b : bytes) b ^= key;
        text = DecodeAnsi(bytes);
        return true;
    });
}

bool WriteProjectBody(TProjectHost& host, TVoStream& stream)
{
    return RunReported(2004, [&] {
        const TProjectSettings& s = host.Settings();
        stream.WriteI32(kBodyVersion);
        if (!WritePicture(stream, s.SplashScreenImage)) return false;
        stream.WriteI32(s.SplashScreenTime);
        stream.WriteBool(s.FullScreenBack);
        if (!WritePicture(stream, s.FullScreenBackImage)) return false;
        stream.WriteU8(s.FullScreenBackImageStyle);
        stream.WriteU32(s.FullScreenBackColor);
        stream.WriteU8(s.FullScreenBackGradientStyle);
        stream.WriteU32(s.FullScreenBackGradientColor);
        if (!WriteString(stream, s.FormCaption)) return false;
        if (!WritePicture(stream, s.FormIcon)) return false;
        stream.WriteU8(s.BorderIcons);
        stream.WriteU8(s.BorderStyle);
        stream.WriteU32(s.BackColor);
        stream.WriteU32(s.TransparentColor);
        stream.WriteBool(s.Transparent);
        stream.WriteI16(s.Cursor);
        if (!WriteString(stream, s.Hint)) return false;
        if (!WriteString(stream, s.ApplicationTitle)) return false;
        if (!WriteString(stream, s.CDLabel)) return false;
        stream.WriteI32(s.FormLeft);
        stream.WriteI32(s.FormTop);
        stream.WriteU8(s.FormPosition);
        stream.WriteU32(s.GradientColor);
        stream.WriteU8(s.GradientStyle);
        stream.WriteU8(s.BackImageStyle);
        stream.WriteI32(s.Width);
        stream.WriteI32(s.Height);
        if (!WritePicture(stream, s.BackImage)) return false;
        if (!WriteActionList(stream, host.StartActions())) return false;
        const TObjectList& objects = host.ObjectList();
        stream.WriteI32(qint32(objects.size()));
        for (const TVoObject* entry : objects) {
            if (!entry) throw StreamError::BadData("empty object slot");
            if (!WriteObjectRecord(stream, *entry)) return false;
        }
        return true;
    });
}

bool ReadProjectBody(TProjectHost& host, TVoStream& stream)
{
    return RunReported(2003, [&] {
        const qint32 version = stream.ReadI32();
        if (version < 0 || version > kBodyVersion) {
            ShowDataError();
            return false;
        }
        host.ResetProject();
        TProjectSettings& s = host.Settings();
        if (version == 1) {
            if (!ReadPicture(stream, s.SplashScreenImage)) return false;
            s.SplashScreenTime = stream.ReadI32();
            s.FullScreenBack = stream.ReadBool();
            if (!ReadPicture(stream, s.FullScreenBackImage)) return false;
            s.FullScreenBackImageStyle = stream.ReadU8();
            s.FullScreenBackColor = stream.ReadU32();
            s.FullScreenBackGradientStyle = stream.ReadU8();
            s.FullScreenBackGradientColor = stream.ReadU32();
        }
        if (!ReadString(stream, s.FormCaption)) return false;
        TPicture iconImage;
        if (!ReadPicture(stream, iconImage)) return false;
        host.SetWindowIcon(iconImage);
        s.BorderIcons = stream.ReadU8();
        s.BorderStyle = stream.ReadU8();
        s.BackColor = stream.ReadU32();
        s.TransparentColor = stream.ReadU32();
        s.Transparent = stream.ReadBool();
        s.Cursor = stream.ReadI16();
        if (!ReadString(stream, s.Hint)) return false;
        if (!ReadString(stream, s.ApplicationTitle)) return false;
        if (!ReadString(stream, s.CDLabel)) return false;
        s.FormLeft = stream.ReadI32();
        s.FormTop = stream.ReadI32();
        s.FormPosition = stream.ReadU8();
        s.GradientColor = stream.ReadU32();
        s.GradientStyle = stream.ReadU8();
        s.BackImageStyle = stream.ReadU8();
        const qint32 width = stream.ReadI32();
        const qint32 height = stream.ReadI32();
        host.SetWindowSize(width, height);
        if (!ReadPicture(stream, s.BackImage)) return false;
        if (!ReadActionList(stream, host.StartActions())) return false;

        const qint32 count = stream.ReadI32();
        CheckCount(count, kMinObjectRecord, stream);
        TObjectList& objects = host.ObjectList();
        objects.reserve(objects.size() + size_t(count));
        for (qint32 i = 0; i < count; ++i) {
            TVoObject* entry = NewObjectEntry();
            objects.push_back(entry);
            if (!ReadObjectRecord(&stream, entry, &host)) {
                // A half-read entry is never left for later code to meet.
                objects.pop_back();
                FreeObjectEntry(entry);
                return false;
            }
        }
        host.RedrawBackground();
        host.PositionWindow();
        return true;
    });
}

bool WriteActionList(TVoStream& stream, const TVoActions& list)
{
    return RunReported(2007, [&] {
        stream.WriteI32(qint32(list.size()));
        for (const auto& action : list)
            if (!WriteAction(stream, *action)) return false;
        return true;
    });
}

bool ReadActionList(TVoStream& stream, TVoActions& list)
{
    return RunReported(2008, [&] {
        ClearActionList(list);
        const qint32 count = stream.ReadI32();
        CheckCount(count, kMinActionRecord, stream);
        list.reserve(size_t(count));
        for (qint32 i = 0; i < count; ++i) list.push_back(std::make_unique<TVoAction>());
        for (auto& action : list)
            if (!ReadAction(stream, *action)) return false;
        return true;
    });
}

bool WriteObjectRecord(TVoStream& stream, const TVoObject& entry)
{
    return RunReported(2009, [&] {
        stream.WriteI32(kObjectRecordVersion);
        if (!WriteString(stream, entry.OverSound)) return false;
        if (!WriteString(stream, entry.ClickSound)) return false;
        if (!WriteString(stream, entry.Name)) return false;
        stream.WriteU8(entry.ObjectType);
        // An entry without a control of a known kind cannot be stored; say
        // so rather than fail the save without a word.
        if (entry.ObjectType > 5 || !entry.Control)
            throw StreamError::BadData("object without a known kind");
        if (!entry.Control->WriteKindRecord(stream)) return false;
        if (!WriteActionList(stream, entry.Actions)) return false;
        const QRect bounds = entry.Control->Bounds();
        stream.WriteI32(bounds.left());
        stream.WriteI32(bounds.top());
        stream.WriteI32(bounds.width());
        stream.WriteI32(bounds.height());
        return true;
    });
}

bool ReadObjectRecord(TVoStream* stream, TVoObject* entry, TProjectHost* host)
{
    if (!stream || !entry || !host) return false;
    return RunReported(2010, [&] {
        const qint32 version = stream->ReadI32();
        if (version < 0 || version > kObjectRecordVersion) {
            ShowDataError();
            return false;
        }
        if (version == 1) {
            if (!ReadString(*stream, entry->OverSound)) return false;
            if (!ReadString(*stream, entry->ClickSound)) return false;
        }
        if (!ReadString(*stream, entry->Name)) return false;
        entry->ObjectType = stream->ReadU8();
        if (!CreateObjectControl(entry, host, stream, 0, 0)) return false;
        if (!ReadActionList(*stream, entry->Actions)) return false;
        const qint32 left = stream->ReadI32();
        const qint32 top = stream->ReadI32();
        const qint32 width = stream->ReadI32();
        const qint32 height = stream->ReadI32();
        entry->Control->SetBounds(StoredBounds(left, top, width, height));
        return true;
    });
}

bool ReadObjectBlock(TVoStream& stream, TProjectHost& host, const std::function<void(int index)>& placed,
                     int& added)
{
    added = 0;
    if (stream.Remaining() < 4) return true;
    const qint32 count = stream.ReadI32();
    // Entries are added one by one as their records are read, so a huge
    // count in a damaged block allocates nothing ahead of its data.
    TObjectList& objects = host.ObjectList();
    const size_t before = objects.size();
    for (qint32 i = 0; i < count; ++i) {
        TVoObject* entry = NewObjectEntry();
        objects.push_back(entry);
        if (!ReadObjectRecord(&stream, entry, &host)) {
            while (objects.size() > before) {
                FreeObjectEntry(objects.back());
                objects.pop_back();
            }
            added = 0;
            return false;
        }
        ++added;
        if (placed) placed(int(objects.size()) - 1);
    }
    return true;
}

bool CreateObjectControl(TVoObject* entry, TProjectHost* host, TVoStream* stream, int top, int left)
{
    if (!entry || !host) return false;
    entry->Control.reset();
    std::unique_ptr<TVoControl> control =
        entry->ObjectType <= 5 ? host->CreateControl(*entry) : nullptr;
    if (!control) {
        ShowErrorBox(QStringLiteral("Unknown object type, maybe file version has problem."));
        return false;
    }
    control->Entry = entry;
    entry->Control = std::move(control);
    if (stream && !entry->Control->ReadKindRecord(*stream)) return false;
    if (!stream) {
        const QRect bounds = entry->Control->Bounds();
        entry->Control->SetBounds(QRect(left, top, bounds.width(), bounds.height()));
    }
    return true;
}
