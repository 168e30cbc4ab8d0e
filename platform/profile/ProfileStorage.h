#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Where the profile file `file` lives: a bare name is kept in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config); a full path is
// taken as it is.
std::filesystem::path ProfileFilePath(std::string_view file);

// Creates the folder that holds `path` when it is missing; false if it cannot be.
bool EnsureProfileFolder(const std::filesystem::path& path);

// The bytes of the file; empty when it does not exist, nothing when it
// exists but cannot be read (so that a write does not replace what it
// could not see).
std::optional<std::string> ReadProfileFile(const std::filesystem::path& path);

// Replaces the file with `content` through a synced temporary file in the
// same folder, so that the file is either the old one or the new one, never
// half written. False when anything fails; the old file is then untouched.
bool ReplaceProfileFile(const std::filesystem::path& path, std::string_view content);

}  // namespace platform
