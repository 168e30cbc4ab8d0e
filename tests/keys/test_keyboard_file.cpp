#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <optional>
#include <string>

#include "keys/KeyboardFile.h"

namespace {

using keys::KeyForest;
using keys::KeyNode;

// "A[B|C]|D": texts separated by "|", the children of a group in brackets,
// an empty text shown as "".
std::string Outline(const KeyForest& forest) {
    std::string out;
    for (const KeyNode& node : forest) {
        if (!out.empty()) out += '|';
        out += node.text.empty() ? "\"\"" : node.text;
        if (!node.children.empty()) out += "[" + Outline(node.children) + "]";
    }
    return out;
}

struct FormatCase {
    const char* rule;
    std::string text;
    std::optional<std::string> outline;
};

const FormatCase kFormatCases[] = {
    {"two levels written with tabs", "N\xDAMEROS\n\t0\n\t1\nB\n\tBA\n\tBE",
     "N\xDAMEROS[0|1]|B[BA|BE]"},
    {"blanks count like tabs", "A\n BA\n  BAX", "A[BA[BAX]]"},
    {"a tab and a blank make level two", "A\n\tB\n\t C", "A[B[C]]"},
    {"a blank and a tab make level two", "A\n B\n \tC", "A[B[C]]"},
    {"first line indented is top-level, the same indentation its child", "\tA\n\tB", "A[B]"},
    {"first line indented deeply is still top-level", "\t\t\tA\nB", "A|B"},
    {"empty line between groups is an empty top-level key", "A\n\tAA\n\nB", "A[AA]|\"\"|B"},
    {"line of indentation only is an empty key at its level", "A\n\t\nB", "A[\"\"]|B"},
    {"trailing blank of a text kept", "BA \nBE", "BA |BE"},
    {"inner blanks of a text kept", "RECULA P\xC0GINA", "RECULA P\xC0GINA"},
    {"CR LF line ends", "A\r\n\tB\r\nC\r\n", "A[B]|C"},
    {"CR line ends", "A\r\tB\rC\r", "A[B]|C"},
    {"LF line ends", "A\n\tB\nC\n", "A[B]|C"},
    {"CR LF is one ending", "A\r\n\r\nB", "A|\"\"|B"},
    {"LF CR is two endings", "A\n\rB", "A|\"\"|B"},
    {"last line without an ending counts", "A\nB", "A|B"},
    {"an ending at the end adds no line", "A\n", "A"},
    {"two endings at the end add one empty key", "A\n\n", "A|\"\""},
    {"a lone ending is one empty key", "\n", "\"\""},
    {"empty file gives an empty keyboard", "", ""},
    {"zero byte ends the text", std::string("A\n\tB\0\nC", 7), "A[B]"},
    {"zero byte first gives an empty keyboard", std::string("\0A", 2), ""},
    {"up several levels at once", "A\n\tB\n\t\tC\nD", "A[B[C]]|D"},
    {"up to a middle level", "A\n\tB\n\t\tC\n\tD", "A[B[C]|D]"},
    {"Windows-1252 bytes kept", "\xC7\n\t\xD1\xC0", "\xC7[\xD1\xC0]"},
    {"deeper by two fails", "A\n\t\tB", std::nullopt},
    {"deeper by two after good lines fails the whole file", "A\nB\n\tC\n\t\t\tD\nE", std::nullopt},
    {"indented first line and deeper by two fails", "\tA\n\t\tB", std::nullopt},
};

TEST(KeyboardFile, ParsesTheIndentedFormat) {
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.rule);
        std::optional<KeyForest> forest = keys::ParseKeyboard(c.text);
        ASSERT_EQ(forest.has_value(), c.outline.has_value());
        if (forest) {
            EXPECT_EQ(Outline(*forest), *c.outline);
        }
    }
}

class KeyboardFileOnDisk : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir dir_;
};

const KeyForest kTwoLevelKeyboard = {
    {"TECLES ESPECIALS",
     {{"TABULADOR", {}},
      {"AVAN\xC7"
       "A P\xC0GINA",
       {}}}},
    {"RETURN", {}},
    {"ESPAI", {}},
    {"N\xDAMEROS", {{"0", {}}, {"\xBF", {}}, {"@", {}}}},
    {"B", {{"B", {}}, {"BA", {}}, {"BRO", {}}}},
    {"Y", {}},
};

TEST_F(KeyboardFileOnDisk, TwoLevelKeyboardWrittenWithTabsReadsBackTheSame) {
    std::string text;
    for (const KeyNode& group : kTwoLevelKeyboard) {
        text += group.text + "\r\n";
        for (const KeyNode& key : group.children) text += "\t" + key.text + "\r\n";
    }
    std::optional<KeyForest> forest = keys::ReadKeyboardFile(Write("teclat.QuarnelTeclat", text));
    ASSERT_TRUE(forest);
    EXPECT_EQ(Outline(*forest), Outline(kTwoLevelKeyboard));
    EXPECT_EQ(keys::CountKeys(*forest), 14u);
}

TEST_F(KeyboardFileOnDisk, AnyFileNameIsAccepted) {
    std::optional<KeyForest> forest = keys::ReadKeyboardFile(Write("a b.txt", "A\n\tB"));
    ASSERT_TRUE(forest);
    EXPECT_EQ(Outline(*forest), "A[B]");
}

TEST_F(KeyboardFileOnDisk, UnreadableNamesFail) {
    EXPECT_FALSE(keys::ReadKeyboardFile(dir_.filePath("missing.QuarnelTeclat").toStdString()));
    EXPECT_FALSE(keys::ReadKeyboardFile(dir_.path().toStdString()));
    EXPECT_FALSE(keys::ReadKeyboardFile(""));
}

// The deepest tree a 10 MB file can hold: every line one level deeper.
std::string DeepestText(std::size_t limit, std::size_t* lines) {
    std::string text;
    *lines = 0;
    while (text.size() + *lines + 1 <= limit) {
        text.append(*lines, '\t');
        text += '\n';
        ++*lines;
    }
    return text;
}

std::size_t ChainDepth(const KeyForest& forest) {
    std::size_t depth = 0;
    for (const KeyForest* level = &forest; !level->empty(); level = &level->front().children) {
        ++depth;
    }
    return depth;
}

TEST_F(KeyboardFileOnDisk, DeepestTenMegabyteFileLoadsAndIsReleased) {
    std::size_t lines = 0;
    std::string text = DeepestText(10'000'000, &lines);
    ASSERT_GT(lines, 4400u);
    std::optional<KeyForest> forest = keys::ReadKeyboardFile(Write("deep", text));
    ASSERT_TRUE(forest);
    EXPECT_EQ(keys::CountKeys(*forest), lines);
    EXPECT_EQ(ChainDepth(*forest), lines);
    keys::ClearKeyForest(*forest);
    EXPECT_TRUE(forest->empty());
}

TEST_F(KeyboardFileOnDisk, DeepFileFailingOnItsLastLineLeavesNothingBehind) {
    std::size_t lines = 0;
    std::string text = DeepestText(10'000'000, &lines);
    text.append(lines + 1, '\t');
    EXPECT_FALSE(keys::ReadKeyboardFile(Write("deep-bad", text)));
}

}  // namespace

namespace {

TEST(KeyboardFile, HoldsAsManyKeysAsTheLimitAndNoMore) {
    struct Case {
        const char* name;
        std::size_t keys;
        bool loads;
    };
    const Case cases[] = {{"exactly the limit", keys::kMaxKeys, true},
                          {"one key more", keys::kMaxKeys + 1, false},
                          {"ten megabytes of empty lines", 10'000'000, false}};
    for (const Case& c : cases) {
        const std::string text(c.keys, '\n');
        std::optional<keys::KeyForest> forest = keys::ParseKeyboard(text);
        EXPECT_EQ(forest.has_value(), c.loads) << c.name;
        if (forest) {
            EXPECT_EQ(keys::CountKeys(*forest), c.keys) << c.name;
        }
    }
}

}  // namespace
