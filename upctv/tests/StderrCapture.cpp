#include "upctv/tests/StderrCapture.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

StderrCapture::StderrCapture(const std::filesystem::path& file)
    : file_(file), original_(dup(STDERR_FILENO)) {
    int capture = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    dup2(capture, STDERR_FILENO);
    close(capture);
}

StderrCapture::~StderrCapture() {
    dup2(original_, STDERR_FILENO);
    close(original_);
}

std::string StderrCapture::Text() const {
    std::ostringstream text;
    text << std::ifstream(file_).rdbuf();
    return text.str();
}

std::size_t StderrCapture::Count(const std::string& words) const {
    std::string text = Text();
    std::size_t count = 0;
    for (auto at = text.find(words); at != std::string::npos; at = text.find(words, at + 1)) {
        ++count;
    }
    return count;
}
