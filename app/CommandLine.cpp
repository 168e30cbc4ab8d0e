#include "app/CommandLine.h"

std::vector<std::string> ParametersOf(int argc, const char* const* argv) {
    if (argc <= 1 || argv == nullptr) return {};
    return std::vector<std::string>(argv + 1, argv + argc);
}

std::string JoinParameters(const std::vector<std::string>& parameters) {
    std::string joined;
    for (const std::string& parameter : parameters) {
        joined += parameter;
        joined += ' ';
    }
    while (!joined.empty() && static_cast<unsigned char>(joined.back()) <= ' ') joined.pop_back();
    return joined;
}
