#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "TempFolder.h"
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

TEST(InstalledLexicon, IsFoundWhereTheBuildAndThePackagePutIt) {
    struct Case {
        const char* name;
        const char* lexicon;  // where the file is, under the test's folder; nullptr for nowhere
        const char* program;  // the program's folder, under the test's folder
        const char* dataHome;
        const char* dataDirs;  // under the test's folder, or nullptr for the default
    };
    const Case cases[] = {
        {"beside the program in the build", "build/bin/lexicons/ca.txt", "build/bin", nullptr,
         nullptr},
        {"a tool installed in bin/", "usr/share/orvalet/lexicons/ca.txt", "usr/bin", nullptr,
         nullptr},
        {"the keyboard in its private folder", "usr/share/orvalet/lexicons/ca.txt",
         "usr/lib/orvalet", nullptr, nullptr},
        {"the user's data folder", "home/orvalet/lexicons/ca.txt", "usr/bin", "home", nullptr},
        {"a system data folder", "opt/share/orvalet/lexicons/ca.txt", "usr/bin", nullptr,
         "opt/share"},
        {"nowhere", nullptr, "usr/bin", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::filesystem::create_directories(folder / c.program);
        std::filesystem::path expected;
        if (c.lexicon != nullptr) {
            std::filesystem::create_directories((folder / c.lexicon).parent_path());
            expected = folder.Write(c.lexicon, "casa 3\n");
        }
        const std::string home = c.dataHome ? (folder / c.dataHome).string() : std::string();
        const std::string dirs = c.dataDirs ? (folder / c.dataDirs).string() : std::string();
        Variable data("XDG_DATA_HOME", c.dataHome ? home.c_str() : nullptr);
        Variable homeFolder("HOME", (folder / "nohome").c_str());
        Variable systemData("XDG_DATA_DIRS", c.dataDirs ? dirs.c_str() : nullptr);
        const std::filesystem::path found = predict::InstalledLexicon("ca", folder / c.program);
        if (c.lexicon == nullptr) {
            EXPECT_TRUE(found.empty()) << c.name << ": " << found;
        } else {
            EXPECT_TRUE(!found.empty() && std::filesystem::equivalent(found, expected))
                << c.name << ": " << found;
        }
        EXPECT_TRUE(predict::InstalledLexicon("es", folder / c.program).empty())
            << c.name << ": another language's lexicon is not this one";
    }
}

}  // namespace
