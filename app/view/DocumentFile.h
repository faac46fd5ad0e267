#pragma once

#include "app/HopscapeFile.h"
#include "common/JsonValue.h"

#include <QByteArray>
#include <QString>

// Demonstration and lesson files on disk. Opening reads the file whole (refusing one larger than
// a demonstration may be before reading it), parses it with Qt's JSON reader and hands the
// document to the core, which judges it; a fault comes back as "FILE: what is wrong". Writing
// goes through QSaveFile, so that a crash halfway leaves the old file as it was.
class DocumentFile {
public:
    static HopscapeFile::Read Open(const QString& path);
    // The same judgement of bytes already read; the fault names no file.
    static HopscapeFile::Read Read(const QByteArray& bytes);
    // The document as the file's bytes: indented UTF-8, the same document the same bytes.
    static QByteArray Bytes(const JsonValue& document);
    // Writes the bytes; returns what went wrong, or the empty text.
    static QString Write(const QString& path, const QByteArray& bytes);
};
