// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoRichText.h"

#include "controls/KindRecord.h"
#include "controls/RtfReader.h"
#include "model/ErrorReports.h"
#include "model/ProcessState.h"
#include "model/ProjectPaths.h"
#include "model/VoStream.h"

#include <QFileInfo>
#include <QTextCursor>

namespace {
constexpr int kWriteCode = 4009;
constexpr int kReadCode = 4010;
} // namespace

TVoRichText::TVoRichText(QWidget* parent) : TTextPanel<QTextEdit>(parent) {}

void TVoRichText::SetFileName(const QString& fileName)
{
    m_fileName = fileName;
    if (QTextEdit* edit = BuiltEdit()) FillEdit(*edit);
}

void TVoRichText::FillEdit(QTextEdit& edit)
{
    const QString path = ResolveProjectPath(ProjectFolder, m_fileName);
    if (!path.isEmpty() && QFileInfo(path).isFile())
        LoadRichTextFile(*edit.document(), path);
    else
        edit.clear();
    // A file is read from its beginning, not from where the text ended.
    edit.moveCursor(QTextCursor::Start);
}

bool TVoRichText::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteTextHead(stream, {m_fileName, Font(), Hint(), Cursor()})) return false;
        stream.WriteU8(Alignment());
        stream.WriteBool(WordWrap());
        stream.WriteBool(m_plainText);
        stream.WriteU8(ScrollBars());
        stream.WriteU32(Color());
        stream.WriteU8(BorderStyle());
        stream.WriteBool(TabStop());
        return true;
    });
}

bool TVoRichText::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        TTextHead head{QString(), Font(), QString(), crDefault};
        if (!ReadTextHead(stream, head)) return false;
        SetFileName(head.text);
        SetFont(head.font);
        SetHint(head.hint);
        SetCursor(head.cursor);
        SetAlignment(stream.ReadU8());
        SetWordWrap(stream.ReadBool());
        SetPlainText(stream.ReadBool());
        SetScrollBars(stream.ReadU8());
        SetColor(stream.ReadU32());
        SetBorderStyle(stream.ReadU8());
        SetTabStop(stream.ReadBool());
        return true;
    });
}
