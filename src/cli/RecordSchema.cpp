// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/RecordSchema.h"

#include "model/GraphicClasses.h"
#include "model/StreamError.h"
#include "model/VoStream.h"
#include "platform/CodePage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace {

using F = FieldType;

const RecordField kBody[] = {
    {"SplashScreenImage", F::Picture},
    {"SplashScreenTime", F::Int32},
    {"FullScreenBack", F::Bool},
    {"FullScreenBackImage", F::Picture},
    {"FullScreenBackImageStyle", F::Byte},
    {"FullScreenBackColor", F::Color},
    {"FullScreenBackGradientStyle", F::Byte},
    {"FullScreenBackGradientColor", F::Color},
    {"FormCaption", F::String},
    {"FormIcon", F::Picture},
    {"BorderIcons", F::Byte},
    {"BorderStyle", F::Byte},
    {"BackColor", F::Color},
    {"TransparentColor", F::Color},
    {"Transparent", F::Bool},
    {"Cursor", F::Cursor},
    {"Hint", F::String},
    {"ApplicationTitle", F::String},
    {"CDLabel", F::String},
    {"FormLeft", F::Int32},
    {"FormTop", F::Int32},
    {"FormPosition", F::Byte},
    {"GradientColor", F::Color},
    {"GradientStyle", F::Byte},
    {"BackImageStyle", F::Byte},
    {"Width", F::Int32},
    {"Height", F::Int32},
    {"BackImage", F::Picture},
};

const RecordField kButton[] = {
    {"Caption", F::String},      {"NormalFont", F::Font},  {"MouseOverFont", F::Font},
    {"NormalImage", F::Picture}, {"MouseOverImage", F::Picture}, {"Hint", F::String},
    {"Cursor", F::Cursor},       {"ButtonStyle", F::Byte}, {"Margin", F::Int32},
    {"ImageLayout", F::Byte},    {"Spacing", F::Int32},    {"DownSlide", F::Bool},
};
const RecordField kImage[] = {
    {"Picture", F::Picture}, {"Hint", F::String}, {"Cursor", F::Cursor},   {"AutoSize", F::Bool},
    {"Center", F::Bool},     {"Stretch", F::Bool}, {"Transparent", F::Bool},
};
const RecordField kText[] = {
    {"Caption", F::String},  {"Font", F::Font},  {"Hint", F::String}, {"Cursor", F::Cursor},
    {"Alignment", F::Byte},  {"Layout", F::Byte}, {"Color", F::Color}, {"Transparent", F::Bool},
};
const RecordField kTextBox[] = {
    {"Text", F::String},     {"Font", F::Font},       {"Hint", F::String},
    {"Cursor", F::Cursor},   {"Alignment", F::Byte},  {"WordWrap", F::Bool},
    {"ScrollBars", F::Byte}, {"Color", F::Color},     {"BorderStyle", F::Byte},
    {"TabStop", F::Bool},
};
const RecordField kRichText[] = {
    {"FileName", F::String},  {"Font", F::Font},       {"Hint", F::String},
    {"Cursor", F::Cursor},    {"Alignment", F::Byte},  {"WordWrap", F::Bool},
    {"PlainText", F::Bool},   {"ScrollBars", F::Byte}, {"Color", F::Color},
    {"BorderStyle", F::Byte}, {"TabStop", F::Bool},
};
const RecordField kExplorer[] = {
    {"Address", F::String},
};

QString g_pictureFileFolder;

// A picture's bytes: base64 in "Data", or the file named by "File"
// (relative to the picture folder; either separator).
QByteArray PictureBytes(const QJsonObject& picture, const QString& path)
{
    const QJsonValue data = picture.value("Data");
    if (data.isUndefined() && picture.value("File").isString()) {
        QString name = picture.value("File").toString();
        name.replace('\\', '/');
        QFile file(QDir(g_pictureFileFolder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            throw JsonFieldError(path + ".File: cannot read " + file.fileName());
        return file.readAll();
    }
    if (!data.isString()) throw JsonFieldError(path + ".Data: expected base64 text");
    const auto decoded = QByteArray::fromBase64Encoding(data.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) throw JsonFieldError(path + ".Data: not valid base64");
    return decoded.decoded;
}

QJsonValue ReadStringJson(TVoStream& stream)
{
    const qint32 length = stream.ReadI32();
    return DecodeAnsi(stream.ReadBytes(length));
}

void WriteStringBytes(TVoStream& stream, const QString& text)
{
    const QByteArray bytes = EncodeAnsi(text);
    stream.WriteI32(qint32(bytes.size()));
    stream.WriteBytes(bytes);
}

const RecordField kFontFields[] = {
    {"Name", F::String}, {"Color", F::Color}, {"Size", F::Int32}, {"Charset", F::Byte},
    {"Style", F::Byte},
};

QJsonValue ReadPictureJson(TVoStream& stream)
{
    const QString tag = ReadStringJson(stream).toString();
    if (tag.isEmpty()) return QJsonValue::Null;
    const qint32 length = stream.ReadI32();
    const QByteArray bytes = stream.ReadBytes(length);
    int width = 0, height = 0;
    if (const std::optional<GraphicKind> kind = GraphicClassByName(tag)) {
        try {
            std::unique_ptr<TGraphic> graphic = NewGraphic(*kind);
            graphic->LoadFromBytes(bytes);
            width = graphic->Width();
            height = graphic->Height();
        } catch (const StreamError&) {
            // The pixel size is unknown; the bytes are still shown.
        }
    }
    return QJsonObject{
        {"Tag", tag},
        {"Size", qint64(bytes.size())},
        {"Width", width},
        {"Height", height},
        {"SHA256", QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())},
        {"Data", QString::fromLatin1(bytes.toBase64())},
    };
}

void WritePictureJson(TVoStream& stream, const QJsonValue& value, const QString& path)
{
    if (value.isNull()) {
        stream.WriteI32(0);
        return;
    }
    if (!value.isObject()) throw JsonFieldError(path + ": expected a picture object or null");
    const QJsonObject picture = value.toObject();
    const QString tag = JsonString(picture.value("Tag"), path + ".Tag");
    const QByteArray bytes = PictureBytes(picture, path);
    if (tag.isEmpty()) {
        stream.WriteI32(0);
        return;
    }
    WriteStringBytes(stream, tag);
    stream.WriteI32(qint32(bytes.size()));
    stream.WriteBytes(bytes);
}

} // namespace

void SetPictureFileFolder(const QString& folder)
{
    g_pictureFileFolder = folder;
}

std::span<const RecordField> BodyFields()
{
    return kBody;
}

std::span<const RecordField> KindFields(int kind)
{
    switch (kind) {
    case 0: return kButton;
    case 1: return kImage;
    case 2: return kText;
    case 3: return kTextBox;
    case 4: return kRichText;
    case 5: return kExplorer;
    default: return {};
    }
}

QJsonValue ReadFieldJson(TVoStream& stream, FieldType type)
{
    switch (type) {
    case F::Byte: return int(stream.ReadU8());
    case F::Bool: return stream.ReadU8() != 0;
    case F::Cursor: return int(stream.ReadI16());
    case F::Int32: return int(stream.ReadI32());
    case F::Color: return qint64(stream.ReadU32());
    case F::String: return ReadStringJson(stream);
    case F::Font: return ReadFieldsJson(stream, kFontFields);
    case F::Picture: return ReadPictureJson(stream);
    }
    return QJsonValue();
}

qint64 JsonInteger(const QJsonValue& value, qint64 min, qint64 max, const QString& path)
{
    const double d = value.toDouble(std::nan(""));
    if (!value.isDouble() || std::floor(d) != d || d < double(min) || d > double(max))
        throw JsonFieldError(QStringLiteral("%1: expected a whole number from %2 to %3")
                                 .arg(path)
                                 .arg(min)
                                 .arg(max));
    return qint64(d);
}

QString JsonString(const QJsonValue& value, const QString& path)
{
    if (!value.isString()) throw JsonFieldError(path + ": expected text");
    return value.toString();
}

void WriteFieldJson(TVoStream& stream, FieldType type, const QJsonValue& value,
                    const QJsonValue& defaultValue, const QString& path)
{
    switch (type) {
    case F::Byte: stream.WriteU8(quint8(JsonInteger(value, 0, 255, path))); return;
    case F::Bool:
        if (!value.isBool()) throw JsonFieldError(path + ": expected true or false");
        stream.WriteBool(value.toBool());
        return;
    case F::Cursor: stream.WriteI16(qint16(JsonInteger(value, -32768, 32767, path))); return;
    case F::Int32:
        stream.WriteI32(qint32(JsonInteger(value, std::numeric_limits<qint32>::min(),
                                           std::numeric_limits<qint32>::max(), path)));
        return;
    case F::Color: stream.WriteU32(quint32(JsonInteger(value, 0, 0xFFFFFFFFLL, path))); return;
    case F::String: WriteStringBytes(stream, JsonString(value, path)); return;
    case F::Font: {
        if (!value.isObject()) throw JsonFieldError(path + ": expected a font object");
        WriteFieldsJson(stream, kFontFields, value.toObject(), defaultValue.toObject(), path);
        return;
    }
    case F::Picture: WritePictureJson(stream, value, path); return;
    }
}

QJsonObject ReadFieldsJson(TVoStream& stream, std::span<const RecordField> fields)
{
    QJsonObject object;
    for (const RecordField& field : fields) object.insert(field.name, ReadFieldJson(stream, field.type));
    return object;
}

void WriteFieldsJson(TVoStream& stream, std::span<const RecordField> fields,
                     const QJsonObject& given, const QJsonObject& defaults, const QString& path)
{
    for (const RecordField& field : fields) {
        const QString name = QString::fromLatin1(field.name);
        const QString fieldPath = path.isEmpty() ? name : path + '.' + name;
        const QJsonValue fallback = defaults.value(name);
        const QJsonValue value = given.contains(name) ? given.value(name) : fallback;
        if (value.isUndefined()) throw JsonFieldError(fieldPath + ": missing");
        WriteFieldJson(stream, field.type, value, fallback, fieldPath);
    }
}
