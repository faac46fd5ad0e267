#pragma once

#include "files/HopscapeFile.h"

#include <QByteArray>
#include <QString>

#include <string>

// Demonstration and lesson files on disk. Opening reads the file whole (refusing one larger than
// a demonstration may be before reading it) and hands its bytes (kept in `bytes`) to the core,
// which judges them;
// a fault comes back as "FILE: what is wrong". Writing
// goes through QSaveFile, so that a crash halfway leaves the old file as it was.
class DocumentFile {
public:
    static HopscapeFile::Read Open(const QString& path, std::string& bytes);
    // Writes the bytes; returns what went wrong, or the empty text.
    static QString Write(const QString& path, const QByteArray& bytes);
};
