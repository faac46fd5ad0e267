#pragma once

#include "common/JsonValue.h"

#include <QByteArray>
#include <QString>

#include <optional>

// JSON text through Qt's QJsonDocument, as the core's plain JsonValue. Parsing knows no rule of
// what a document may hold; the core judges what comes out.
class JsonText {
public:
    // Documents nest no deeper than this before the core sees them.
    static constexpr int kDeepest = 64;

    struct Parsed {
        std::optional<JsonValue> document;
        QString fault; // what the parser found wrong ("invalid UTF8 string at byte 120")
    };
    static Parsed Parse(const QByteArray& bytes);
    // Indented, keys in alphabetical order: the same value gives the same bytes.
    static QByteArray Write(const JsonValue& document);
};
