// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/HtmlPreview.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>

bool IsHtmlPreviewFile(const QString& path)
{
    const QFileInfo file(path);
    static const QStringList suffixes = {QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("xhtml"),
                                         QStringLiteral("shtml")};
    return !path.isEmpty() && file.isFile() && suffixes.contains(file.suffix(), Qt::CaseInsensitive) &&
           file.size() <= kMaxHtmlPreviewBytes;
}

QImage RenderHtmlPreview(const QString& path, QSize size)
{
    if (size.isEmpty() || !IsHtmlPreviewFile(path)) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    // The size is checked again on the open file: it may have grown.
    const QByteArray bytes = file.read(kMaxHtmlPreviewBytes + 1);
    if (bytes.size() > kMaxHtmlPreviewBytes) return {};
    // The page's own charset where it names one Qt knows, else UTF-8.
    QStringDecoder decode = QStringDecoder::decoderForHtml(bytes);
    if (!decode.isValid()) decode = QStringDecoder(QStringConverter::Utf8);
    const QString html = decode(bytes);

    QTextDocument page;
    // Pictures and links named relative to the page are found beside it.
    page.setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    page.setHtml(html);
    page.setTextWidth(size.width());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    page.drawContents(&painter, QRectF(QPointF(0, 0), size));
    return picture;
}
