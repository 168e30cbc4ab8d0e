#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "predict/DataFolder.h"

namespace {

// Sets or unsets an environment variable for the length of a scope.
class Variable {
  public:
    Variable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Variable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(LearnedWordsFile, LivesInTheUserDataFolder) {
    struct Case {
        const char* name;
        const char* dataHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"XDG_DATA_HOME when set", "/data", "/home/u", "/data/orvalet/words.ca.txt"},
        {"a relative XDG_DATA_HOME is ignored", "data", "/home/u",
         "/home/u/.local/share/orvalet/words.ca.txt"},
        {"~/.local/share by default", nullptr, "/home/u",
         "/home/u/.local/share/orvalet/words.ca.txt"},
        {"nowhere without a home", nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        Variable data("XDG_DATA_HOME", c.dataHome);
        Variable home("HOME", c.home);
        EXPECT_EQ(predict::LearnedWordsFile("ca"), c.expected) << c.name;
    }
}

}  // namespace
