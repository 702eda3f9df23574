// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/JsonText.h"

#include "cli/RecordSchema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace {

QStringList Names(std::span<const RecordField> fields)
{
    QStringList names;
    for (const RecordField& f : fields) names << QString::fromLatin1(f.name);
    return names;
}

const QStringList kTopOrder = QStringList{"BodyVersion"} + Names(BodyFields()) +
                              QStringList{"StartActions", "ObjectList"};
const QStringList kObjectOrder = {"Name", "ObjectType", "OverSound", "ClickSound", "Left", "Top",
                                  "Width", "Height", "Actions", "Kind"};
const QStringList kActionOrder = {"ActionType", "Parameter"};
const QStringList kFontOrder = {"Name", "Color", "Size", "Charset", "Style"};
const QStringList kPictureOrder = {"Tag", "Size", "Width", "Height", "SHA256", "Data"};

// The member order of an object, told by the members it has.
QStringList OrderOf(const QJsonObject& object)
{
    if (object.contains("BodyVersion") || object.contains("ObjectList")) return kTopOrder;
    if (object.contains("ObjectType")) return kObjectOrder;
    if (object.contains("ActionType")) return kActionOrder;
    if (object.contains("Charset")) return kFontOrder;
    if (object.contains("Tag")) return kPictureOrder;
    return {};
}

QByteArray Scalar(const QJsonValue& value)
{
    // A one-element array gives QJsonDocument's own escaping of the value.
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

void Dump(QByteArray& out, const QJsonValue& value, int depth, const QStringList& order);

void DumpObject(QByteArray& out, const QJsonObject& object, int depth, QStringList order)
{
    if (order.isEmpty()) order = OrderOf(object);
    QStringList keys;
    for (const QString& k : order)
        if (object.contains(k)) keys << k;
    for (const QString& k : object.keys())
        if (!keys.contains(k)) keys << k;
    if (keys.isEmpty()) {
        out += "{}";
        return;
    }
    const QByteArray indent(2 * (depth + 1), ' ');
    out += "{\n";
    for (qsizetype i = 0; i < keys.size(); ++i) {
        out += indent + Scalar(keys[i]) + ": ";
        QStringList childOrder;
        if (keys[i] == "Kind") childOrder = Names(KindFields(object.value("ObjectType").toInt(-1)));
        Dump(out, object.value(keys[i]), depth + 1, childOrder);
        out += i + 1 < keys.size() ? ",\n" : "\n";
    }
    out += QByteArray(2 * depth, ' ') + "}";
}

void Dump(QByteArray& out, const QJsonValue& value, int depth, const QStringList& order)
{
    if (value.isObject()) {
        DumpObject(out, value.toObject(), depth, order);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        if (array.isEmpty()) {
            out += "[]";
            return;
        }
        const QByteArray indent(2 * (depth + 1), ' ');
        out += "[\n";
        for (qsizetype i = 0; i < array.size(); ++i) {
            out += indent;
            Dump(out, array[i], depth + 1, {});
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        out += QByteArray(2 * depth, ' ') + "]";
    } else {
        out += Scalar(value);
    }
}

} // namespace

QByteArray ProjectJsonText(const QJsonObject& project)
{
    QByteArray out;
    Dump(out, project, 0, kTopOrder);
    out += '\n';
    return out;
}
