#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace predict {

enum class FileRead { Read, Missing, Unreadable };

struct FileContent {
    FileRead result;
    std::string bytes;
};

FileContent ReadWholeFile(const std::filesystem::path& path);

// Replaces the file with `content` through a synced temporary file in the same
// folder, creating the folder when missing, so that the file is either the
// old one or the new one, never half written (a full disk included). False
// when anything fails; the old file is then untouched.
bool ReplaceFile(const std::filesystem::path& path, std::string_view content);

}  // namespace predict
