#include "predict/Files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace predict {

namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a crash; a folder that cannot be synced
// leaves the file written all the same.
void SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileContent ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return {error ? FileRead::Unreadable : FileRead::Missing, {}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, error)) return {FileRead::Unreadable, {}};
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) return {FileRead::Unreadable, {}};
        return {FileRead::Read, std::move(bytes)};
    } catch (const std::exception&) {
        return {FileRead::Unreadable, {}};
    }
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view content) {
    std::error_code error;
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::filesystem::create_directories(folder, error);
    std::string temporary = (folder / (path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace predict
