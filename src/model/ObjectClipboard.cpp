// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ObjectClipboard.h"

#include "model/VoStream.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

const QString ClipboardFormat = QStringLiteral("VelomniStudioObjects");

QString ClipboardMimeType(const QString& format)
{
    // The form under which Qt offers a registered clipboard format of this
    // name to Windows programs, so both platforms use one name.
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(format);
}

bool ClipboardHasFormat(const QString& format)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    return mime && mime->hasFormat(ClipboardMimeType(format));
}

bool PutStreamOnClipboard(TMemoryStream& stream, const QString& format)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    const QByteArray rest = stream.Data().mid(stream.Position());
    TMemoryStream block;
    block.WriteI32(qint32(rest.size()));
    block.WriteBytes(rest);
    auto* mime = new QMimeData;
    mime->setData(ClipboardMimeType(format), block.Data());
    clipboard->setMimeData(mime);
    return true;
}

bool GetStreamFromClipboard(TMemoryStream& stream, const QString& format)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    const QString type = ClipboardMimeType(format);
    if (!mime || !mime->hasFormat(type)) return false;
    TMemoryStream block(mime->data(type));
    if (block.Size() < 4) return false;
    const qint32 count = block.ReadI32();
    if (count < 0 || count > block.Remaining()) return false;
    stream.Clear();
    stream.WriteBytes(block.ReadBytes(count));
    return true;
}
