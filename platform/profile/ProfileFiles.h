#pragma once

namespace platform {

// Private-profile files, as the Windows functions of the same names: text
// files of "[section]" and "key=value" lines, bytes in Windows-1252. A bare
// file name lives in the user's configuration folder, shared by every
// program of the suite.

// Copies the value of `key` in `section` of `file` into `buffer` (at most
// `size` - 1 bytes, then a zero) and returns the number of bytes copied.
// A missing file, section or key gives `def` without its trailing blanks;
// a null `def` counts as "". A null section or key copies nothing.
int GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer,
                             int size, const char* file);

// Sets `key` of `section` in `file` to `value`, creating the file, section
// or key as needed; a null `value` deletes the key, a null `key` the whole
// section. The file is replaced atomically. False when it cannot be
// written; the old file is then kept as it was.
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* file);

}  // namespace platform
