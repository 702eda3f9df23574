// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/PictureFiles.h"

#include "model/GraphicClasses.h"
#include "model/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace {

struct FormatEntry {
    const char* description;
    const char* patterns; // ";"-separated, as in the stored filter
    GraphicKind kind;
};

// The order the open dialog lists them in.
const FormatEntry kFormats[] = {
    {"Bitmap images", "*.bmp", GraphicKind::Bitmap},
    {"Icons", "*.ico", GraphicKind::Icon},
    {"Enhanced metafiles", "*.emf", GraphicKind::Metafile},
    {"Windows metafiles", "*.wmf", GraphicKind::Metafile},
    {"JPEG images", "*.jpg;*.jpeg", GraphicKind::Jpeg},
    {"GIF images", "*.gif", GraphicKind::Gif},
    {"PNG images", "*.png", GraphicKind::Png},
};

QString FilterEntry(const FormatEntry& format)
{
    const QString patterns = QString::fromLatin1(format.patterns);
    return QStringLiteral("%1 (%2)|%2").arg(QString::fromLatin1(format.description), patterns);
}

const FormatEntry& EntryOf(const TGraphic& graphic)
{
    if (graphic.Kind() == GraphicKind::Metafile)
        return static_cast<const TMetafile&>(graphic).Format() == MetafileFormat::Emf ? kFormats[2] : kFormats[3];
    for (const FormatEntry& format : kFormats)
        if (format.kind == graphic.Kind()) return format;
    return kFormats[0];
}

[[noreturn]] void Fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

} // namespace

QString PictureOpenFilter()
{
    QStringList all;
    QStringList entries;
    for (const FormatEntry& format : kFormats) {
        all << QString::fromLatin1(format.patterns);
        entries << FilterEntry(format);
    }
    const QString patterns = all.join(QLatin1Char(';'));
    return QStringLiteral("All pictures (%1)|%1|").arg(patterns) + entries.join(QLatin1Char('|'));
}

QString IconOpenFilter()
{
    return QStringLiteral("Icons (*.ico)|*.ico");
}

PictureSaveFormat SaveFormatOf(const TGraphic& graphic)
{
    const FormatEntry& format = EntryOf(graphic);
    // The first pattern without "*." is the extension a bare name gets.
    const QString suffix = QString::fromLatin1(format.patterns).section(QLatin1Char(';'), 0, 0).mid(2);
    return {FilterEntry(format), suffix};
}

std::optional<GraphicKind> GraphicKindOfFile(const QString& path)
{
    const QString suffix = QStringLiteral("*.") + QFileInfo(path).suffix().toLower();
    for (const FormatEntry& format : kFormats)
        if (QString::fromLatin1(format.patterns).split(QLatin1Char(';')).contains(suffix)) return format.kind;
    return std::nullopt;
}

void LoadPictureFile(TPicture& picture, const QString& path)
{
    const std::optional<GraphicKind> kind = GraphicKindOfFile(path);
    if (!kind) Fail(QStringLiteral("Unknown picture file extension (.%1).").arg(QFileInfo(path).suffix()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Cannot open file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
    if (file.size() > kMaxPictureFileBytes)
        Fail(QStringLiteral("The picture \"%1\" is too large.").arg(QFileInfo(path).fileName()));
    // At most the limit, in case the file grew after the size check.
    const QByteArray bytes = file.read(kMaxPictureFileBytes + 1);
    if (bytes.size() > kMaxPictureFileBytes)
        Fail(QStringLiteral("The picture \"%1\" is too large.").arg(QFileInfo(path).fileName()));
    if (bytes.isEmpty())
        Fail(QStringLiteral("The picture \"%1\" is empty.").arg(QFileInfo(path).fileName()));

    std::unique_ptr<TGraphic> graphic = NewGraphic(*kind);
    try {
        graphic->LoadFromBytes(bytes);
    } catch (const std::exception& e) {
        Fail(QStringLiteral("The picture \"%1\" is not valid: %2.")
                 .arg(QFileInfo(path).fileName(), QString::fromUtf8(e.what())));
    }
    // The structure can be sound while the pixels still fail to decode;
    // such a picture would show nothing anywhere.
    if (graphic->ToImage().isNull())
        Fail(QStringLiteral("The picture \"%1\" cannot be decoded.").arg(QFileInfo(path).fileName()));
    picture.SetGraphic(std::move(graphic));
}

void SavePictureFile(const TPicture& picture, const QString& path)
{
    if (picture.Empty()) Fail(QStringLiteral("There is no picture to save."));
    // Written beside the target and renamed over it, so a failed write
    // leaves an existing file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("Cannot create file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
    const QByteArray& bytes = picture.Graphic()->SaveToBytes();
    if (file.write(bytes) != bytes.size() || !file.commit())
        Fail(QStringLiteral("Cannot write file \"%1\". %2.").arg(QFileInfo(path).fileName(), file.errorString()));
}
