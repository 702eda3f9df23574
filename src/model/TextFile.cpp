// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/TextFile.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

#include <stdexcept>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

[[noreturn]] void Fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

// Decodes bytes in an encoding; nothing when they are not valid in it.
std::optional<QString> DecodeStrict(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

} // namespace

QString WithCrLfBreaks(const QString& text)
{
    QString lines = text;
    lines.replace(kCrLf, QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), kCrLf);
    return lines;
}

QString DecodeTextFileBytes(const QByteArray& bytes)
{
    static const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
    static const QByteArray kUtf16LeBom("\xFF\xFE", 2);
    static const QByteArray kUtf16BeBom("\xFE\xFF", 2);
    QString text;
    if (bytes.startsWith(kUtf8Bom)) {
        text = QString::fromUtf8(bytes.mid(3));
    } else if (bytes.startsWith(kUtf16LeBom)) {
        text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(2));
    } else if (bytes.startsWith(kUtf16BeBom)) {
        text = QStringDecoder(QStringConverter::Utf16BE).decode(bytes.mid(2));
    } else if (std::optional<QString> utf8 = DecodeStrict(bytes, QStringConverter::Utf8)) {
        text = *utf8;
    } else {
        text = DecodeAnsi(bytes);
    }
    return WithCrLfBreaks(text);
}

QByteArray EncodeTextFileBytes(const QString& text)
{
    QString lines = WithCrLfBreaks(text);
    if (!lines.isEmpty() && !lines.endsWith(kCrLf)) lines += kCrLf;
    return lines.toUtf8();
}

QString ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Cannot open file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
    if (file.size() > kMaxTextFileBytes)
        Fail(QStringLiteral("The file \"%1\" is too large for a text.").arg(QFileInfo(path).fileName()));
    // Read at most the limit, in case the file grew after the size check.
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes)
        Fail(QStringLiteral("The file \"%1\" is too large for a text.").arg(QFileInfo(path).fileName()));
    return DecodeTextFileBytes(bytes);
}

void WriteTextFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("Cannot create file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
    const QByteArray bytes = EncodeTextFileBytes(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        Fail(QStringLiteral("Cannot write file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
}
