#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <regex>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/ScanCostOptions.h"
#include "analysis/ScanCostRun.h"
#include "keys/KeyboardFile.h"

// Building keyboards from corpus files with orvalet-scancost, as the build scripts do.
namespace {

class ScanCostBuild : public ::testing::Test {
  protected:
    // Writes a file under the temporary folder, making its folder; returns its path.
    QString Write(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QByteArray Read(const QString& name) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

    // Runs the tool with these arguments after its name; returns its status.
    int Run(QStringList arguments) {
        arguments.prepend("orvalet-scancost");
        const auto parsed = analysis::ParseScanCostOptions(arguments);
        const auto* options = std::get_if<analysis::ScanCostOptions>(&parsed);
        EXPECT_NE(options, nullptr) << std::get<analysis::UsageMessage>(parsed).text;
        out.str("");
        errors.str("");
        return options ? analysis::RunScanCost(*options, out, errors) : -1;
    }

    // A Hunspell dictionary that knows these words and no others.
    QString Dictionary(const std::vector<std::string>& words) {
        Write("words.aff", "SET UTF-8\n");
        QByteArray dic = QByteArray::number(static_cast<int>(words.size())) + "\n";
        for (const std::string& word : words) dic += QByteArray::fromStdString(word) + "\n";
        return Write("words.dic", dic);
    }

    QTemporaryDir folder;
    std::ostringstream out;
    std::ostringstream errors;
};

QByteArray Repeated(const QByteArray& line, int times) {
    QByteArray text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

std::vector<std::string> Keys(const keys::KeyForest& nodes) {
    std::vector<std::string> keys;
    for (const keys::KeyNode& node : nodes) {
        if (node.children.empty()) keys.push_back(node.text);
        for (const std::string& key : Keys(node.children)) keys.push_back(key);
    }
    return keys;
}

const std::vector<std::string> kCatalanWords = {"el", "gat", "menja", "peix", "i", "gos", "carn"};

// A key of more than one letter that only "debian" holds, no word of the dictionary.
bool OnlyOfDebian(const std::string& key) {
    if (key.size() < 2 || std::string("DEBIAN ").find(key) == std::string::npos) return false;
    for (const char* word : {"EL ", "GAT ", "MENJA ", "PEIX ", "I ", "GOS ", "CARN "}) {
        if (std::string(word).find(key) != std::string::npos) return false;
    }
    return true;
}

TEST_F(ScanCostBuild, TheSameTextsGiveTheSameKeyboardFileByteForByte) {
    const QString manuals =
        Write("technical/train.txt", Repeated("obriu el fitxer i el gat menja el fitxer.\n", 80));
    const QString everyday =
        Write("everyday/train.txt", Repeated("el gat menja peix, i el gos: carn.\n", 80));
    const QString dictionary = Dictionary(kCatalanWords);
    for (const char* file : {"first.QuarnelTeclat", "second.QuarnelTeclat"}) {
        ASSERT_EQ(
            Run({"--build", folder.filePath(file), "--dictionary", dictionary, manuals, everyday}),
            0)
            << errors.str();
    }
    EXPECT_FALSE(Read("first.QuarnelTeclat").isEmpty());
    EXPECT_EQ(Read("first.QuarnelTeclat"), Read("second.QuarnelTeclat"));
}

TEST_F(ScanCostBuild, AWordTheDictionaryLacksNeverBecomesAKey) {
    const QString text =
        Write("everyday/train.txt", Repeated("el gat menja peix i debian menja debian.\n", 300));
    const QString everyday = Write("other/train.txt", Repeated("el gos menja debian.\n", 300));
    struct Row {
        const char* rule;
        QStringList dictionary;
        bool debianIsAKey;
    };
    const Row rows[] = {
        {"without a dictionary every word may become a key",
         {"--dictionary", folder.filePath("none.dic")},
         true},
        {"with one only its words do", {"--dictionary", Dictionary(kCatalanWords)}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        ASSERT_EQ(Run(QStringList{"--build", folder.filePath("k.QuarnelTeclat")} + row.dictionary +
                      QStringList{text, everyday}),
                  0);
        const auto keyboard =
            keys::ReadKeyboardFile(folder.filePath("k.QuarnelTeclat").toStdString());
        ASSERT_TRUE(keyboard.has_value());
        bool debian = false;
        for (const std::string& key : Keys(*keyboard)) debian = debian || OnlyOfDebian(key);
        EXPECT_EQ(debian, row.debianIsAKey) << errors.str();
        EXPECT_EQ(errors.str().find("none.dic: no Hunspell dictionary there") != std::string::npos,
                  row.debianIsAKey)
            << errors.str();
    }
}

TEST_F(ScanCostBuild, TheRegisterTableHasAFigureForEveryPair) {
    Write("technical/train.txt", Repeated("obriu el fitxer i el gat menja el fitxer.\n", 60));
    Write("technical/heldout.txt", "obriu el fitxer.\n");
    Write("everyday/train.txt", Repeated("el gat menja peix, i el gos: carn.\n", 60));
    Write("everyday/heldout.txt", "el gos menja peix.\n");
    ASSERT_EQ(Run({"--register-table", "--dictionary", Dictionary(kCatalanWords),
                   folder.filePath("technical"), folder.filePath("everyday")}),
              0)
        << errors.str();
    const std::string table = out.str();
    const std::regex header(R"(\n\s*built from\s+technical\s+everyday\n)");
    EXPECT_TRUE(std::regex_search(table, header)) << table;
    for (const char* row : {"technical", "everyday", "all"}) {
        const std::regex figures(std::string(R"(\n\s*)") + row + R"(\s+\d+\.\d\d\s+\d+\.\d\d\n)");
        EXPECT_TRUE(std::regex_search(table, figures)) << row << "\n" << table;
    }
}

TEST_F(ScanCostBuild, ACorpusFileThatIsNoTextIsNamedAndTheBuildGoesOn) {
    const QString good = Write("everyday/train.txt", Repeated("el gat menja peix.\n", 50));
    struct Row {
        const char* rule;
        QString file;
        const char* says;
    };
    const Row rows[] = {
        {"an empty file", Write("empty.txt", ""), "empty.txt: is empty, left out"},
        {"a binary file", Write("picture.png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)),
         "picture.png: is not text: it holds zero bytes, left out"},
        {"UTF-16", Write("utf16.txt", QByteArray("\xFF\xFEg\0a\0t\0", 8)),
         "utf16.txt: is in UTF-16, not in UTF-8 or Windows-1252, left out"},
        {"a file that is not there", folder.filePath("missing.txt"),
         "missing.txt: cannot be read, left out"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        QFile::remove(folder.filePath("k.QuarnelTeclat"));
        EXPECT_EQ(Run({"--build", folder.filePath("k.QuarnelTeclat"), "--dictionary",
                       Dictionary(kCatalanWords), row.file, good}),
                  1);
        EXPECT_NE(errors.str().find(row.says), std::string::npos) << errors.str();
        const auto keyboard =
            keys::ReadKeyboardFile(folder.filePath("k.QuarnelTeclat").toStdString());
        ASSERT_TRUE(keyboard.has_value()) << "built from the other text";
        EXPECT_NE(std::ranges::count(Keys(*keyboard), "MENJA "), 0);
    }
}

TEST_F(ScanCostBuild, ABuildThatMissesItsAimWritesTheKeyboardAndSaysWhatItMeasured) {
    const QString text = Write("everyday/train.txt", Repeated("el gat menja peix.\n", 50));
    ASSERT_EQ(Run({"--build", folder.filePath("k.QuarnelTeclat"), "--aim", "0.5", "--dictionary",
                   Dictionary(kCatalanWords), text}),
              0);
    const std::regex missed(R"(k\.QuarnelTeclat: aimed at 0\.50 scan actions per character, )"
                            R"(measured \d+\.\d\d; the keyboard is written all the same)");
    EXPECT_TRUE(std::regex_search(errors.str(), missed)) << errors.str();
    EXPECT_TRUE(keys::ReadKeyboardFile(folder.filePath("k.QuarnelTeclat").toStdString()));
    ASSERT_EQ(Run({"--build", folder.filePath("k.QuarnelTeclat"), "--aim", "50", "--dictionary",
                   Dictionary(kCatalanWords), text}),
              0);
    EXPECT_EQ(errors.str().find("aimed at"), std::string::npos) << "reached: nothing to say";
}

}  // namespace
