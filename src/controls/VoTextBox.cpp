// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoTextBox.h"

#include "controls/KindRecord.h"
#include "model/ErrorReports.h"
#include "model/VoStream.h"


namespace {
constexpr int kWriteCode = 4011;
constexpr int kReadCode = 4012;
const QString kLineBreak = QStringLiteral("\r\n");
// The marks a document puts around a frame; text never holds them.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;
} // namespace

TVoTextBox::TVoTextBox(QWidget* parent) : TTextPanel<QPlainTextEdit>(parent) {}

QString TextBoxLines(const QString& text)
{
    // A plain-text document starts a block at CR LF, CR, LF, the paragraph
    // separator and the two frame marks; the lines keep everything else.
    const auto endsLine = [](char16_t ch) {
        return ch == u'\r' || ch == u'\n' || ch == QChar::ParagraphSeparator || ch == kFrameStart ||
               ch == kFrameEnd;
    };
    const QStringView source(text);
    QString lines;
    lines.reserve(text.size() + text.size() / 16);
    qsizetype start = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const char16_t ch = source[i].unicode();
        if (!endsLine(ch)) continue;
        lines.append(source.sliced(start, i - start)).append(kLineBreak);
        if (ch == u'\r' && i + 1 < source.size() && source[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(source.sliced(start));
    return lines;
}

void TVoTextBox::SetText(const QString& text)
{
    m_text = TextBoxLines(text);
    if (QPlainTextEdit* edit = BuiltEdit()) FillEdit(*edit);
}

void TVoTextBox::FillEdit(QPlainTextEdit& edit)
{
    // Each line becomes one block; the CR of a CR LF does not start another.
    QString lines = m_text;
    lines.replace(kLineBreak, QStringLiteral("\n"));
    edit.setPlainText(lines);
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
