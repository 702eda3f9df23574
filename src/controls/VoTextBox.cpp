// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoTextBox.h"

#include "controls/KindRecord.h"
#include "model/ErrorReports.h"
#include "model/VoStream.h"

#include <QStringList>
#include <QTextBlock>

namespace {
constexpr int kWriteCode = 4011;
constexpr int kReadCode = 4012;
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

TVoTextBox::TVoTextBox(QWidget* parent) : TTextPanel<QPlainTextEdit>(parent) {}

QString TVoTextBox::Text() const
{
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines.join(kLineBreak);
}

void TVoTextBox::SetText(const QString& text)
{
    // Each line becomes one block; the CR of a CR LF does not start another.
    QString lines = text;
    lines.replace(kLineBreak, QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
}

bool TVoTextBox::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WriteTextHead(stream, {Text(), Font(), Hint(), Cursor()})) return false;
        stream.WriteU8(Alignment());
        stream.WriteBool(WordWrap());
        stream.WriteU8(ScrollBars());
        stream.WriteU32(Color());
        stream.WriteU8(BorderStyle());
        stream.WriteBool(TabStop());
        return true;
    });
}

bool TVoTextBox::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        TTextHead head{QString(), Font(), QString(), crDefault};
        if (!ReadTextHead(stream, head)) return false;
        SetText(head.text);
        SetFont(head.font);
        SetHint(head.hint);
        SetCursor(head.cursor);
        SetAlignment(stream.ReadU8());
        SetWordWrap(stream.ReadBool());
        SetScrollBars(stream.ReadU8());
        SetColor(stream.ReadU32());
        SetBorderStyle(stream.ReadU8());
        SetTabStop(stream.ReadBool());
        return true;
    });
}
