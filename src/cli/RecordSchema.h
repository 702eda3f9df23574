// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <span>
#include <stdexcept>

class TVoStream;

// The stored records as named fields, so a record can be turned into JSON
// and back without knowing the classes that hold it.
enum class FieldType { Byte, Bool, Cursor, Int32, Color, String, Font, Picture };

struct RecordField {
    const char* name;
    FieldType type;
};

// The body fields after the body version, up to the background picture.
std::span<const RecordField> BodyFields();
// The fields of a kind record after its version; empty for an unknown kind.
std::span<const RecordField> KindFields(int kind);

// A JSON value that does not fit its field; the message names the field.
class JsonFieldError : public std::runtime_error {
public:
    explicit JsonFieldError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

// Reads one field as JSON. Stream failures throw StreamError.
QJsonValue ReadFieldJson(TVoStream& stream, FieldType type);
// Writes one field from JSON; path names the field in the error thrown
// when the value has the wrong type or range. A font's missing members
// come from the default value.
void WriteFieldJson(TVoStream& stream, FieldType type, const QJsonValue& value,
                    const QJsonValue& defaultValue, const QString& path);

// The fields of a record as one JSON object, and back. Fields missing from
// given take their value from defaults.
QJsonObject ReadFieldsJson(TVoStream& stream, std::span<const RecordField> fields);
void WriteFieldsJson(TVoStream& stream, std::span<const RecordField> fields,
                     const QJsonObject& given, const QJsonObject& defaults, const QString& path);

// Where a picture's "File" member is looked up when it has no "Data".
void SetPictureFileFolder(const QString& folder);

// Integers of JSON checked against a range, for the record parts written
// outside the field tables.
qint64 JsonInteger(const QJsonValue& value, qint64 min, qint64 max, const QString& path);
QString JsonString(const QJsonValue& value, const QString& path);
