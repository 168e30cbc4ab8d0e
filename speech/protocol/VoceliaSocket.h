#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The bridge's line where the session has no X11 window messages: a local stream socket in
// the user's runtime folder, one per Wayland display. Each message is one line of text,
//
//   <message> <wParam> <lParam>\n     keyboard to bridge, decimal integers
//   <result>\n                        bridge to keyboard, once the message is handled
//
// and a connection may carry any number of them, one after the other. A line that is not
// that, or runs past kLongestLine bytes, ends the connection: the peer is not a keyboard.
namespace speech {

// Whether the keyboard and the bridge talk through window messages under this Qt platform:
// on X11, as the bridges of the suite always have; through the socket on Wayland.
bool WindowMessagesUnder(std::string_view qtPlatform);

// The socket of the session whose Wayland display is `waylandDisplay` (a name in the runtime
// folder or a path; unset means the protocol's default display, "wayland-0").
std::string VoceliaSocketPath(const std::string& runtimeFolder, const std::string& waylandDisplay);

// The name of that display in the bridge's file names: what follows the last "/", with every
// byte other than letters, digits, ".", "_" and "-" made "_".
std::string SessionOfWaylandDisplay(const std::string& waylandDisplay);

// How long the keyboard waits for the bridge to take a connection and to answer a message: a
// bridge that hangs must not freeze the keyboard for longer.
inline constexpr std::chrono::milliseconds kVoceliaReplyLimit{3000};

inline constexpr std::size_t kLongestLine = 64;

struct VoceliaMessage {
    unsigned message = 0;
    unsigned long long wParam = 0;
    long long lParam = 0;
};

// The line for a message or a result, with its line feed.
std::string MessageLine(const VoceliaMessage& message);
std::string ResultLine(long result);

// A line without its line feed, read back; nullopt when it is not one.
std::optional<VoceliaMessage> ParseMessageLine(std::string_view line);
std::optional<long> ParseResultLine(std::string_view line);

}  // namespace speech
