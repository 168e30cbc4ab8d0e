#include "platform/profile/ProfileStorage.h"

#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <fstream>
#include <new>

namespace platform {

namespace {

std::filesystem::path ConfigFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

}  // namespace

std::filesystem::path ProfileFilePath(std::string_view file) {
    std::filesystem::path path(file);
    if (path.is_absolute()) return path;
    return ConfigFolder() / path;
}

bool EnsureProfileFolder(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return std::filesystem::is_directory(path.parent_path(), error);
}

std::optional<std::string> ReadProfileFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        if (error) return std::nullopt;
        return std::string();
    }
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    try {
        std::string content;
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            content.append(chunk, in.gcount());
        }
        if (in.bad()) return std::nullopt;
        return content;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

bool ReplaceProfileFile(const std::filesystem::path& path, std::string_view content) {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path.string())));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(content.data(), static_cast<qint64>(content.size())) !=
        static_cast<qint64>(content.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
