// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/VoImage.h"

#include "controls/KindRecord.h"
#include "model/ErrorReports.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

namespace {
constexpr int kWriteCode = 4003;
constexpr int kReadCode = 4004;
} // namespace

TVoImage::TVoImage(QWidget* parent) : TImageEx(parent), TWidgetControl(*this, QSize(177, 177)) {}

void TVoImage::mousePressEvent(QMouseEvent* event)
{
    m_click.Press(*event);
}

void TVoImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.Release(*event, rect())) FireControlEvent(OnClick, *this);
}

void TVoImage::enterEvent(QEnterEvent* event)
{
    TImageEx::enterEvent(event);
    FireControlEvent(OnMouseEnterHook, *this);
}

bool TVoImage::WriteKindRecord(TVoStream& stream) const
{
    return RunReported(kWriteCode, [&] {
        WriteKindVersion(stream);
        if (!WritePicture(stream, Picture()) || !WriteString(stream, Hint())) return false;
        stream.WriteI16(Cursor());
        stream.WriteBool(AutoSize());
        stream.WriteBool(Center());
        stream.WriteBool(Stretch());
        stream.WriteBool(Transparent());
        return true;
    });
}

bool TVoImage::ReadKindRecord(TVoStream& stream)
{
    return RunReported(kReadCode, [&] {
        if (!ReadKindVersion(stream)) return false;
        TPicture picture;
        const bool ok = ReadPicture(stream, picture);
        SetPicture(std::move(picture));
        if (!ok) return false;
        QString hint;
        if (!ReadString(stream, hint)) return false;
        SetHint(hint);
        SetCursor(stream.ReadI16());
        SetAutoSize(stream.ReadBool());
        SetCenter(stream.ReadBool());
        SetStretch(stream.ReadBool());
        SetTransparent(stream.ReadBool());
        return true;
    });
}
