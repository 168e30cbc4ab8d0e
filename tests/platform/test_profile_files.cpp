#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/profile/ProfileFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr int kReadSize = 50;

// Sets or clears the immutable attribute, which binds the superuser too,
// unlike permissions; false where the file system has no such attribute.
bool SetImmutable(const fs::path& folder, bool on) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

// Points the configuration folder at a fresh folder that does not exist yet.
class ProfileFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        config_ = fs::path(home_.path().toStdString()) / "config";
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
    }

    void TearDown() override {
        SetImmutable(config_, false);
        std::error_code ignored;
        fs::permissions(config_, fs::perms::owner_all, fs::perm_options::add, ignored);
        unsetenv("XDG_CONFIG_HOME");
    }

    std::string Read(const char* section, const char* key, const char* def,
                     const char* file = "orvalet.ini") {
        char buffer[kReadSize + 1] = {};
        int count = platform::GetPrivateProfileStringA(section, key, def, buffer, kReadSize, file);
        EXPECT_EQ(count, static_cast<int>(std::string(buffer).size()));
        return buffer;
    }

    std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    void Store(const std::string& bytes) {
        fs::create_directories(config_);
        std::ofstream(config_ / "orvalet.ini", std::ios::binary) << bytes;
    }

    QTemporaryDir home_;
    fs::path config_;
};

struct DefaultCase {
    const char* rule;
    const char* stored;
    const char* section;
    const char* key;
    const char* def;
    std::string expected;
};

const DefaultCase kDefaultCases[] = {
    {"missing file gives the default", nullptr, "Quarnel Orvalet", "Llengua", "NO", "NO"},
    {"missing section gives the default", "[A]\r\nLlengua=X\r\n", "Quarnel Orvalet", "Llengua",
     "NO", "NO"},
    {"missing key gives the default", "[Quarnel Orvalet]\r\nVeu de=Dona\r\n", "Quarnel Orvalet",
     "Llengua", "NO", "NO"},
    {"trailing blanks of the default cut", nullptr, "S", "K", "SI   ", "SI"},
    {"leading blanks of the default kept", nullptr, "S", "K", "  SI", "  SI"},
    {"null default gives empty text", nullptr, "S", "K", nullptr, ""},
    {"empty stored value is not replaced by the default", "[S]\r\nK=\r\n", "S", "K", "0", ""},
    {"stored value wins over the default", "[S]\r\nK=5\r\n", "S", "K", "0", "5"},
    {"null key copies nothing", "[S]\r\nK=5\r\n", "S", nullptr, "0", ""},
};

TEST_F(ProfileFiles, ReadsValueOrDefault) {
    for (const DefaultCase& c : kDefaultCases) {
        SCOPED_TRACE(c.rule);
        fs::remove_all(config_);
        if (c.stored != nullptr) Store(c.stored);
        EXPECT_EQ(Read(c.section, c.key, c.def), c.expected);
    }
}

struct BufferCase {
    const char* rule;
    std::size_t stored;
    int size;
    int returned;
};

const BufferCase kBufferCases[] = {
    {"value of 60 cut to 49 in a buffer of 50", 60, 50, 49},
    {"value of 49 fits a buffer of 50", 49, 50, 49},
    {"value of 48 returned whole", 48, 50, 48},
    {"buffer of 1 holds only the ending zero", 10, 1, 0},
    {"buffer of 0 copies nothing", 10, 0, 0},
};

TEST_F(ProfileFiles, CutsValuesToTheBuffer) {
    for (const BufferCase& c : kBufferCases) {
        SCOPED_TRACE(c.rule);
        std::string value(c.stored, 'x');
        Store("[Font]\r\nName=" + value + "\r\n");
        char buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        int count =
            platform::GetPrivateProfileStringA("Font", "Name", "0", buffer, c.size, "orvalet.ini");
        EXPECT_EQ(count, c.returned);
        if (c.size > 0) {
            EXPECT_EQ(std::string(buffer), std::string(c.returned, 'x'));
        }
        EXPECT_EQ(buffer[std::max(c.size, 1)], '#');
    }
}

TEST_F(ProfileFiles, FirstRunFileIsWrittenInOrderWithCrLf) {
    const char* rows[][3] = {
        {"Quarnel Orvalet", "Llengua", "Catal\xE0"},
        {"Quarnel Orvalet", "Veu de", "Home"},
        {"Font", "Charset", "1"},
        {"Font", "Negreta", "S\xCD"},
        {"Menu", "MenuPassarDuesVegades", "SI"},
        {"Posicio", "Left", "821"},
        {"Tecles de control", "Tecles de control", "SI"},
    };
    for (auto& row : rows) {
        EXPECT_TRUE(platform::WritePrivateProfileStringA(row[0], row[1], row[2], "orvalet.ini"));
    }
    EXPECT_EQ(Bytes(config_ / "orvalet.ini"),
              "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\nVeu de=Home\r\n"
              "[Font]\r\nCharset=1\r\nNegreta=S\xCD\r\n"
              "[Menu]\r\nMenuPassarDuesVegades=SI\r\n"
              "[Posicio]\r\nLeft=821\r\n"
              "[Tecles de control]\r\nTecles de control=SI\r\n");
    EXPECT_EQ(Read("font", "negreta", "0"), "S\xCD");
}

TEST_F(ProfileFiles, RewritingReplacesOnlyTheValue) {
    Store("; kept\n[Menu]\nA=SI\nB=NO\n\n[Posicio]\nLeft=1\n");
    EXPECT_TRUE(platform::WritePrivateProfileStringA("Menu", "A", "NO", "orvalet.ini"));
    EXPECT_EQ(Bytes(config_ / "orvalet.ini"), "; kept\n[Menu]\nA=NO\nB=NO\n\n[Posicio]\nLeft=1\n");
}

TEST_F(ProfileFiles, WriteLeavesNoTemporaryFileBehind) {
    EXPECT_TRUE(platform::WritePrivateProfileStringA("S", "K", "1", "orvalet.ini"));
    EXPECT_TRUE(platform::WritePrivateProfileStringA("S", "K", "2", "orvalet.ini"));
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(config_)) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"orvalet.ini"});
}

TEST_F(ProfileFiles, BareNameLivesInDotConfigWithoutXdgConfigHome) {
    unsetenv("XDG_CONFIG_HOME");
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home_.path().toStdString().c_str(), 1);
    bool written = platform::WritePrivateProfileStringA("S", "K", "V", "projectebrunvol.ini");
    std::string stored =
        Bytes(fs::path(home_.path().toStdString()) / ".config/projectebrunvol.ini");
    setenv("HOME", oldHome.c_str(), 1);
    EXPECT_TRUE(written);
    EXPECT_EQ(stored, "[S]\r\nK=V\r\n");
}

TEST_F(ProfileFiles, FullPathIsUsedAsItIs) {
    std::string path = home_.filePath("elsewhere.ini").toStdString();
    EXPECT_TRUE(platform::WritePrivateProfileStringA("S", "K", "V", path.c_str()));
    EXPECT_EQ(Bytes(path), "[S]\r\nK=V\r\n");
    EXPECT_EQ(Read("S", "K", "0", path.c_str()), "V");
}

TEST_F(ProfileFiles, FolderThatCannotBeCreatedFailsTheWrite) {
    std::ofstream(home_.filePath("plain-file").toStdString()) << "x";
    setenv("XDG_CONFIG_HOME", home_.filePath("plain-file/config").toStdString().c_str(), 1);
    EXPECT_FALSE(platform::WritePrivateProfileStringA("S", "K", "V", "orvalet.ini"));
    EXPECT_EQ(Read("S", "K", "default"), "default");
}

TEST_F(ProfileFiles, FileThatIsAFolderFailsTheWrite) {
    fs::create_directories(config_ / "orvalet.ini");
    EXPECT_FALSE(platform::WritePrivateProfileStringA("S", "K", "V", "orvalet.ini"));
    EXPECT_EQ(Read("S", "K", "default"), "default");
}

TEST_F(ProfileFiles, ReadOnlyFolderFailsTheWriteAndKeepsTheFile) {
    Store("[S]\r\nK=old\r\n");
    fs::permissions(config_, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() == 0 && !SetImmutable(config_, true)) {
        GTEST_SKIP() << "no way to make a folder read-only for the superuser here";
    }
    EXPECT_FALSE(platform::WritePrivateProfileStringA("S", "K", "new", "orvalet.ini"));
    EXPECT_EQ(Bytes(config_ / "orvalet.ini"), "[S]\r\nK=old\r\n");
}

TEST_F(ProfileFiles, BinaryFileReadsDefaultsAndKeepsItsBytesOnWrite) {
    std::string garbage;
    for (unsigned i = 0; i < 10'000'000; ++i) garbage += static_cast<char>((i * 7919u) % 251u);
    Store(garbage);
    EXPECT_EQ(Read("Menu", "A", "SI"), "SI");
    EXPECT_TRUE(platform::WritePrivateProfileStringA("Menu", "A", "NO", "orvalet.ini"));
    std::string stored = Bytes(config_ / "orvalet.ini");
    EXPECT_EQ(stored.substr(0, garbage.size()), garbage);
    EXPECT_EQ(Read("Menu", "A", "SI"), "NO");
}

}  // namespace
