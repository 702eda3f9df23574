// SPDX-License-Identifier: GPL-2.0-or-later
#include "disc/IsoLayout.h"

#include "disc/BurnLibraries.h"

#include <QStringList>

namespace {

QString IsoErrorText(int code)
{
    return QString::fromUtf8(iso_error_to_msg(code));
}

void SetError(QString* error, const QString& text)
{
    if (error) *error = text;
}

// The write options of every image; sizeOnly announces that the stream is
// made only to learn the size and will be cancelled.
IsoWriteOpts* NewWriteOptions(bool sizeOnly)
{
    IsoWriteOpts* options = nullptr;
    if (iso_write_opts_new(&options, 0) < 0) return nullptr;
    iso_write_opts_set_iso_level(options, 3);
    iso_write_opts_set_rockridge(options, 1);
    iso_write_opts_set_joliet(options, 1);
    iso_write_opts_set_joliet_longer_paths(options, 1);
    iso_write_opts_set_joliet_long_names(options, 1);
    iso_write_opts_set_allow_deep_paths(options, 1);
    iso_write_opts_set_always_gmt(options, 1);
    // The session checksum is found by readers through AAIP attributes.
    // Checksums of single files would cost a second pass over all data.
    iso_write_opts_set_aaip(options, 1);
    iso_write_opts_set_record_md5(options, 1, 0);
    iso_write_opts_set_will_cancel(options, sizeOnly ? 1 : 0);
    return options;
}

QStringList ImagePathParts(const QString& imagePath)
{
    QString path = imagePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool IsDChar(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('_');
}

} // namespace

QString PrimaryVolumeId(const QString& label)
{
    QString id;
    for (const QChar c : label.toUpper()) {
        if (c.isLowSurrogate()) continue;
        id += IsDChar(c) ? c : QLatin1Char('_');
    }
    return id.left(32);
}

QString JolietVolumeId(const QString& label)
{
    return label.left(16);
}

IsoLayout::IsoLayout()
{
    if (!UseBurnLibraries()) return;
    IsoImage* image = nullptr;
    if (iso_image_new("CDROM", &image) < 0) return;
    m_image = image;
}

IsoLayout::~IsoLayout()
{
    if (m_image) iso_image_unref(m_image);
}

Iso_Dir* IsoLayout::MakeFolderPath(const QString& imagePath, QString& leafName, QString* error)
{
    QStringList parts = ImagePathParts(imagePath);
    if (parts.isEmpty()) {
        SetError(error, QStringLiteral("no name in the image path \"%1\"").arg(imagePath));
        return nullptr;
    }
    leafName = parts.takeLast();
    IsoDir* folder = iso_image_get_root(m_image);
    for (const QString& part : parts) {
        const QByteArray name = part.toUtf8();
        IsoNode* node = nullptr;
        if (iso_dir_get_node(folder, name.constData(), &node) == 1) {
            if (iso_node_get_type(node) != LIBISO_DIR) {
                SetError(error, QStringLiteral("\"%1\" is a file in the image").arg(part));
                return nullptr;
            }
            folder = reinterpret_cast<IsoDir*>(node);
            continue;
        }
        IsoDir* created = nullptr;
        const int result = iso_tree_add_new_dir(folder, name.constData(), &created);
        if (result < 0) {
            SetError(error, IsoErrorText(result));
            return nullptr;
        }
        folder = created;
    }
    return folder;
}

bool IsoLayout::AddFile(const QString& sourcePath, const QString& imagePath, QString* error)
{
    if (!m_image) return false;
    QString leaf;
    IsoDir* parent = MakeFolderPath(imagePath, leaf, error);
    if (!parent) return false;
    IsoNode* node = nullptr;
    const int result = iso_tree_add_new_node(m_image, parent, leaf.toUtf8().constData(),
                                             sourcePath.toUtf8().constData(), &node);
    if (result < 0) {
        SetError(error, IsoErrorText(result));
        return false;
    }
    return true;
}

bool IsoLayout::AddFolder(const QString& sourceFolder, const QString& imagePath, QString* error)
{
    if (!m_image) return false;
    QString leaf;
    IsoDir* parent = MakeFolderPath(imagePath, leaf, error);
    if (!parent) return false;
    // The folder's own node carries its owner, mode and times; its contents
    // follow.
    IsoNode* node = nullptr;
    int result = iso_tree_add_new_node(m_image, parent, leaf.toUtf8().constData(),
                                       sourceFolder.toUtf8().constData(), &node);
    if (result < 0) {
        SetError(error, IsoErrorText(result));
        return false;
    }
    if (iso_node_get_type(node) != LIBISO_DIR) {
        iso_node_remove(node);
        SetError(error, QStringLiteral("not a folder"));
        return false;
    }
    result = iso_tree_add_dir_rec(m_image, reinterpret_cast<IsoDir*>(node), sourceFolder.toUtf8().constData());
    if (result < 0) {
        // A folder that cannot be read leaves nothing half-added behind.
        iso_node_remove(node);
        SetError(error, IsoErrorText(result));
        return false;
    }
    return true;
}

void IsoLayout::SetVolumeLabel(const QString& label)
{
    if (!m_image) return;
    // libisofs writes the label into the primary descriptor as d-characters
    // (see PrimaryVolumeId) and into the Joliet descriptor as it is.
    iso_image_set_volume_id(m_image, label.toUtf8().constData());
}

qint64 IsoLayout::ImageSize()
{
    ::burn_source* stream = nullptr;
    if (!m_image) return -1;
    IsoWriteOpts* options = NewWriteOptions(true);
    if (!options) return -1;
    const int result = iso_image_create_burn_source(m_image, options, &stream);
    iso_write_opts_free(options);
    if (result < 0) return -1;
    burn::burn_source* source = AsBurnSource(stream);
    const qint64 size = source->get_size(source);
    source->cancel(source);
    burn::burn_source_free(source);
    return size;
}

::burn_source* IsoLayout::CreateStream(QString* error)
{
    if (!m_image) {
        SetError(error, QStringLiteral("the image library did not start"));
        return nullptr;
    }
    IsoWriteOpts* options = NewWriteOptions(false);
    if (!options) {
        SetError(error, QStringLiteral("out of memory"));
        return nullptr;
    }
    ::burn_source* stream = nullptr;
    const int result = iso_image_create_burn_source(m_image, options, &stream);
    iso_write_opts_free(options);
    if (result < 0) {
        SetError(error, IsoErrorText(result));
        return nullptr;
    }
    return stream;
}

bool IsoLayout::SessionChecksum(qint64& startBlock, qint64& endBlock, std::array<char, 16>& md5) const
{
    if (!m_image) return false;
    uint32_t start = 0;
    uint32_t end = 0;
    if (iso_image_get_session_md5(m_image, &start, &end, md5.data(), 0) != 1) return false;
    startBlock = start;
    endBlock = end;
    return true;
}
