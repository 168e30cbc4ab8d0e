#include "upctv/Utf8.h"

#include "text/Cp1252.h"

namespace upctv {
namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;

// Line breaks and tabs shape the reading; other controls and unassigned bytes say nothing.
bool Pronounceable(char byte) {
    if (byte == '\n' || byte == '\t') return true;
    const auto value = static_cast<unsigned char>(byte);
    return value >= kFirstPrintable && value != kDelete && text::IsAssigned(byte);
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
    std::string pronounceable(text);
    for (char& byte : pronounceable) {
        if (!Pronounceable(byte)) byte = ' ';
    }
    return text::ToUtf8(pronounceable);
}

}  // namespace upctv
