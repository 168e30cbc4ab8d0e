#pragma once

#include <filesystem>
#include <string>

// What this process writes on its standard error while the object lives, kept in a file
// instead of shown.
class StderrCapture {
  public:
    explicit StderrCapture(const std::filesystem::path& file);
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string Text() const;
    // How many times `words` were written.
    std::size_t Count(const std::string& words) const;

  private:
    std::filesystem::path file_;
    int original_;
};
