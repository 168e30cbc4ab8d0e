#include "upctv/tests/SoundServer.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "upctv/tests/Waiting.h"

namespace {

constexpr std::chrono::seconds kStartLimit{20};
constexpr std::filesystem::perms kPrivate = std::filesystem::perms::owner_all;

std::filesystem::path Variable(const char* name) {
    const char* value = std::getenv(name);
    if (!value) throw std::runtime_error(std::string(name) + " is not set");
    return value;
}

std::string Contents(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

}  // namespace

SoundPlace SoundPlace::MadeIn(const std::filesystem::path& folder) {
    SoundPlace place{folder, folder / "runtime", folder / "client.conf"};
    std::filesystem::create_directories(place.runtime);
    std::filesystem::permissions(place.runtime, kPrivate);
    std::ofstream(place.clientConfiguration)
        << "autospawn = no\n"
        << "default-server = unix:" << place.Socket().string() << "\n";
    return place;
}

SoundPlace SoundPlace::OfThisProcess() {
    auto configuration = Variable("PULSE_CLIENTCONFIG");
    return {configuration.parent_path(), Variable("XDG_RUNTIME_DIR"), configuration};
}

Environment SoundPlace::Variables() const {
    return {
        {"XDG_RUNTIME_DIR", runtime.string()},
        {"PULSE_CLIENTCONFIG", clientConfiguration.string()},
        {"PULSE_SERVER", std::nullopt},
        // libpulse also reads a server's address from the X display's root window.
        {"DISPLAY", std::nullopt},
    };
}

SoundServer::SoundServer(const SoundPlace& place)
    : place_(place),
      daemon_(
          {"pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
           "--load=module-null-sink sink_name=nul",
           "--load=module-native-protocol-unix auth-anonymous=1"},
          [&] {
              Environment variables = place.Variables();
              // Its own files (cookie, device database) stay in the place.
              variables["HOME"] = place.folder.string();
              return variables;
          }(),
          place.folder / "pulseaudio.log") {
    if (!WaitUntil([this] { return Answers() || daemon_.WaitFor(std::chrono::milliseconds(0)); },
                   kStartLimit) ||
        !Answers()) {
        throw std::runtime_error("pulseaudio did not start: " +
                                 Contents(place_.folder / "pulseaudio.log"));
    }
}

bool SoundServer::Answers() {
    if (daemon_.WaitFor(std::chrono::milliseconds(0))) return false;
    int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, place_.Socket().c_str(), sizeof address.sun_path - 1);
    bool answered = connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(connection);
    return answered;
}
