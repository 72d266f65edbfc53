#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <cstdio>

namespace skyfolio {

FileRead readWholeFile(const std::string& path, long long maxBytes) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return {};
    if (!file.open(QIODevice::ReadOnly)) return {{}, path + ": " + file.errorString().toStdString()};
    if (file.size() > maxBytes) return {{}, path + ": the file is too large"};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, path + ": " + file.errorString().toStdString()};
    return {bytes.toStdString(), {}};
}

WriteResult replaceFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(path + ": " + file.errorString().toStdString());
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const std::string why = file.errorString().toStdString();
        file.cancelWriting();
        return WriteResult::failure(path + ": " + why);
    }
    if (!file.commit()) return WriteResult::failure(path + ": " + file.errorString().toStdString());
    return {};
}

bool fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

std::string fileAddress(const std::string& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded).toStdString();
}

bool renameOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool removeFile(const std::string& path) { return QFile::remove(QString::fromStdString(path)); }

bool makeFolder(const std::string& path) { return QDir().mkpath(QString::fromStdString(path)); }

}  // namespace skyfolio
