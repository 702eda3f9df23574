// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ProjectJson.h"

#include "cli/RecordSchema.h"
#include "controls/ControlFactory.h"
#include "controls/WindowlessProject.h"
#include "model/ProjectFile.h"
#include "model/StreamError.h"
#include "model/VoStream.h"

#include <QJsonArray>
#include <QWidget>

#include <limits>

namespace {

constexpr qint64 kI32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kI32Max = std::numeric_limits<qint32>::max();

QJsonArray ReadActionsJson(TVoStream& s)
{
    QJsonArray actions;
    const qint32 count = s.ReadI32();
    for (qint32 i = 0; i < count; ++i) {
        s.ReadI32(); // record version
        const int type = s.ReadU8();
        actions.append(QJsonObject{{"ActionType", type}, {"Parameter", ReadFieldJson(s, FieldType::String)}});
    }
    return actions;
}

QJsonObject ReadObjectJson(TVoStream& s)
{
    QJsonObject object;
    s.ReadI32(); // record version, always the newest when written here
    object.insert("OverSound", ReadFieldJson(s, FieldType::String));
    object.insert("ClickSound", ReadFieldJson(s, FieldType::String));
    object.insert("Name", ReadFieldJson(s, FieldType::String));
    const int type = s.ReadU8();
    object.insert("ObjectType", type);
    s.ReadI32(); // kind record version
    object.insert("Kind", ReadFieldsJson(s, KindFields(type)));
    object.insert("Actions", ReadActionsJson(s));
    object.insert("Left", int(s.ReadI32()));
    object.insert("Top", int(s.ReadI32()));
    object.insert("Width", int(s.ReadI32()));
    object.insert("Height", int(s.ReadI32()));
    return object;
}

QJsonArray ArrayMember(const QJsonObject& json, const QString& name, const QString& path)
{
    const QJsonValue value = json.value(name);
    if (value.isUndefined()) return {};
    if (!value.isArray()) throw JsonFieldError(path + ": expected a list");
    return value.toArray();
}

QJsonObject ObjectAt(const QJsonArray& array, qsizetype i, const QString& path)
{
    if (!array[i].isObject()) throw JsonFieldError(path + ": expected an object");
    return array[i].toObject();
}

QString StringMember(const QJsonObject& json, const QString& name, const QString& path)
{
    const QJsonValue value = json.value(name);
    return value.isUndefined() ? QString() : JsonString(value, path + '.' + name);
}

qint64 IntegerMember(const QJsonObject& json, const QString& name, qint64 fallback, qint64 min,
                     qint64 max, const QString& path)
{
    const QJsonValue value = json.value(name);
    return value.isUndefined() ? fallback : JsonInteger(value, min, max, path + '.' + name);
}

void WriteStringField(TVoStream& s, const QString& text, const QString& path)
{
    WriteFieldJson(s, FieldType::String, text, QJsonValue(), path);
}

void WriteActionsJson(TVoStream& s, const QJsonArray& actions, const QString& path)
{
    s.WriteI32(qint32(actions.size()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(path).arg(i);
        const QJsonObject action = ObjectAt(actions, i, at);
        s.WriteI32(0);
        s.WriteU8(quint8(IntegerMember(action, "ActionType", 0, 0, 9, at)));
        WriteStringField(s, StringMember(action, "Parameter", at), at + ".Parameter");
    }
}

// The kind record of a new control of a kind, as JSON, and its size.
struct KindDefaults {
    QJsonObject fields;
    QSize size;
};

KindDefaults DefaultsOfKind(int kind, QWidget* surface)
{
    std::unique_ptr<TVoControl> control = CreateKindControl(kind, surface);
    TMemoryStream s;
    if (!control || !control->WriteKindRecord(s)) throw StreamError::BadData("no such kind");
    s.Seek(4);
    return {ReadFieldsJson(s, KindFields(kind)), control->Bounds().size()};
}

void WriteObjectJson(TVoStream& s, const QJsonObject& object, QWidget* surface, const QString& path)
{
    const int type = int(IntegerMember(object, "ObjectType", 2, 0, 5, path));
    const KindDefaults defaults = DefaultsOfKind(type, surface);
    s.WriteI32(1);
    WriteStringField(s, StringMember(object, "OverSound", path), path + ".OverSound");
    WriteStringField(s, StringMember(object, "ClickSound", path), path + ".ClickSound");
    WriteStringField(s, StringMember(object, "Name", path), path + ".Name");
    s.WriteU8(quint8(type));
    const QJsonValue kind = object.value("Kind");
    if (!kind.isUndefined() && !kind.isObject()) throw JsonFieldError(path + ".Kind: expected an object");
    s.WriteI32(0);
    WriteFieldsJson(s, KindFields(type), kind.toObject(), defaults.fields, path + ".Kind");
    WriteActionsJson(s, ArrayMember(object, "Actions", path + ".Actions"), path + ".Actions");
    s.WriteI32(qint32(IntegerMember(object, "Left", 0, kI32Min, kI32Max, path)));
    s.WriteI32(qint32(IntegerMember(object, "Top", 0, kI32Min, kI32Max, path)));
    s.WriteI32(qint32(IntegerMember(object, "Width", defaults.size.width(), kI32Min, kI32Max, path)));
    s.WriteI32(qint32(IntegerMember(object, "Height", defaults.size.height(), kI32Min, kI32Max, path)));
}

} // namespace

QJsonObject ProjectToJson(TWindowlessProject& document, int bodyVersion)
{
    TMemoryStream s;
    if (!WriteProjectBody(document, s)) throw StreamError::BadData("the project cannot be written");
    s.Seek(4);
    QJsonObject json = ReadFieldsJson(s, BodyFields());
    json.insert("BodyVersion", bodyVersion);
    json.insert("StartActions", ReadActionsJson(s));
    QJsonArray objects;
    const qint32 count = s.ReadI32();
    for (qint32 i = 0; i < count; ++i) objects.append(ReadObjectJson(s));
    json.insert("ObjectList", objects);
    return json;
}

bool JsonToProject(const QJsonObject& json, TWindowlessProject& document, QString& error)
{
    TMemoryStream s;
    try {
        TWindowlessProject fresh;
        TMemoryStream defaults;
        if (!WriteProjectBody(fresh, defaults)) throw StreamError::BadData("no default project");
        defaults.Seek(4);
        const QJsonObject bodyDefaults = ReadFieldsJson(defaults, BodyFields());

        s.WriteI32(1);
        WriteFieldsJson(s, BodyFields(), json, bodyDefaults, QString());
        WriteActionsJson(s, ArrayMember(json, "StartActions", "StartActions"), "StartActions");
        const QJsonArray objects = ArrayMember(json, "ObjectList", "ObjectList");
        s.WriteI32(qint32(objects.size()));
        for (qsizetype i = 0; i < objects.size(); ++i) {
            const QString path = QStringLiteral("ObjectList[%1]").arg(i);
            WriteObjectJson(s, ObjectAt(objects, i, path), fresh.Surface(), path);
        }
    } catch (const JsonFieldError& e) {
        error = e.Message();
        return false;
    }
    s.Seek(0);
    if (!ReadProjectBody(document, s)) {
        error = QStringLiteral("the project data was refused");
        return false;
    }
    return true;
}
