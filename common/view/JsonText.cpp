#include "common/view/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Returns false where the document nests deeper than JsonText::kDeepest.
bool Convert(const QJsonValue& from, JsonValue& to, int depth) {
    if (depth > JsonText::kDeepest) {
        return false;
    }
    switch (from.type()) {
    case QJsonValue::Bool:
        to = JsonValue::Bool(from.toBool());
        return true;
    case QJsonValue::Double:
        to = JsonValue::Number(from.toDouble());
        return true;
    case QJsonValue::String:
        to = JsonValue::String(from.toString().toStdString());
        return true;
    case QJsonValue::Array: {
        to = JsonValue::Array();
        for (const QJsonValue& item : from.toArray()) {
            to.items.emplace_back();
            if (!Convert(item, to.items.back(), depth + 1)) {
                return false;
            }
        }
        return true;
    }
    case QJsonValue::Object: {
        to = JsonValue::Object();
        const QJsonObject object = from.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            to.members.emplace_back(it.key().toStdString(), JsonValue());
            if (!Convert(it.value(), to.members.back().second, depth + 1)) {
                return false;
            }
        }
        return true;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    to = JsonValue();
    return true;
}

QJsonValue Convert(const JsonValue& from) {
    switch (from.kind) {
    case JsonValue::Kind::Bool:
        return from.boolean;
    case JsonValue::Kind::Number:
        return from.number;
    case JsonValue::Kind::String:
        return QString::fromStdString(from.text);
    case JsonValue::Kind::Array: {
        QJsonArray array;
        for (const JsonValue& item : from.items) {
            array.append(Convert(item));
        }
        return array;
    }
    case JsonValue::Kind::Object: {
        QJsonObject object;
        for (const auto& [key, value] : from.members) {
            object.insert(QString::fromStdString(key), Convert(value));
        }
        return object;
    }
    case JsonValue::Kind::Null:
        break;
    }
    return QJsonValue();
}

} // namespace

JsonText::Parsed JsonText::Parse(const QByteArray& bytes) {
    Parsed parsed;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        parsed.fault = QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset);
        return parsed;
    }
    JsonValue value;
    const QJsonValue root =
        document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    if (!Convert(root, value, 1)) {
        parsed.fault = QStringLiteral("the document nests more than %1 deep").arg(kDeepest);
        return parsed;
    }
    parsed.document = std::move(value);
    return parsed;
}

QByteArray JsonText::Write(const JsonValue& document) {
    const QJsonValue value = Convert(document);
    const QJsonDocument written =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return written.toJson(QJsonDocument::Indented);
}
