#include "desktop/DocumentFile.h"

#include "files/DemonstrationFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

HopscapeFile::Read DocumentFile::Open(const QString& path, std::string& bytes) {
    const std::string name = QDir::toNativeSeparators(path).toStdString();
    HopscapeFile::Read read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.fault =
            HopscapeFile::Problem(name, "cannot be read: " + file.errorString().toStdString());
        return read;
    }
    // One byte more than a file may hold is enough to tell that it is too long, whatever size
    // the file system reports (a pipe reports none).
    std::string fault = DemonstrationFile::CheckSize(static_cast<std::size_t>(file.size()));
    if (fault.empty()) {
        const QByteArray given = file.read(static_cast<qint64>(DemonstrationFile::kMostBytes) + 1);
        bytes.assign(given.constData(), static_cast<std::size_t>(given.size()));
        read = HopscapeFile::FromBytes(bytes);
        fault = read.fault;
    }
    if (!fault.empty()) {
        read = {};
        read.fault = HopscapeFile::Problem(name, fault);
    }
    return read;
}

QString DocumentFile::Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}
