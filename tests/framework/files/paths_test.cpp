// Virtual paths, the data-path rule and whole-file reading with its decoding.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/files/files.h"
#include "tests/support/temp_dir.h"

namespace {

struct PathCase {
    const char* in;
    const char* out;
};

TEST(FixDataPath, AddsTheDataFolderOnlyToBareNames) {
    const PathCase cases[] = {
        {"songs/tune", "zorbit://data/songs/tune"},
        {"tune", "zorbit://data/tune"},
        {"./x", "./x"},
        {"/x", "/x"},
        {"c:/x", "c:/x"},
        {"zorbit://data/x", "zorbit://data/x"},
        // The first "/" comes before the ":/", so this is no scheme.
        {"a/b:/c", "zorbit://data/a/b:/c"},
        {"a:b", "zorbit://data/a:b"},
        {"", "zorbit://data/"},
    };
    for (const auto& c : cases) EXPECT_EQ(FixDataPath(c.in), String(c.out)) << c.in;
}

TEST(PathToFilePath, MapsTheThreeRootsAndRejectsOtherVirtualPaths) {
    const PathCase cases[] = {
        {"zorbit://data/songs/tune", "./data/songs/tune"},
        {"zorbit://internal/state", "./internal/state"},
        {"zorbit://external/x", "./external/x"},
        {"zorbit://data/", "./data/"},
        {"zorbit://elsewhere/x", ""},
        {"zorbit://datax", ""},
        {"zorbit:", ""},
        {"data/x", "data/x"},
        {"/tmp/x", "/tmp/x"},
    };
    for (const auto& c : cases) EXPECT_EQ(PathToFilePath(c.in), String(c.out)) << c.in;
}

TEST(OpenFile, OpensVirtualAndRealNamesAndFailsOnUnknownRoots) {
    TempWorkDir dir;
    TempWorkDir::Write("data/x", "abc");
    TempWorkDir::Write("x", "real");
    for (const char* path : {"zorbit://data/x", "./data/x", "data/x", "x"}) {
        std::FILE* f = OpenFile(path, "rb");
        ASSERT_NE(f, nullptr) << path;
        std::fclose(f);
    }
    EXPECT_EQ(OpenFile("zorbit://elsewhere/x", "rb"), nullptr);
    EXPECT_EQ(OpenFile("zorbit://elsewhere/x", "wb"), nullptr);
    EXPECT_EQ(OpenFile("data/missing", "rb"), nullptr);
    // A NUL inside the name must not silently open the name cut at the NUL.
    EXPECT_EQ(OpenFile(String("x") + String::FromChar(0) + String("y"), "rb"), nullptr);
}

TEST(OpenFile, NamesWithAnyCharacterReachTheFileSystemAsUtf8) {
    TempWorkDir dir;
    const String name = String("data/") + String::FromChar(0xE9) + String::FromChar(0x20AC);
    std::FILE* f = OpenFile(name, "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("hi", f);
    std::fclose(f);
    EXPECT_EQ(TempWorkDir::Read("data/\xC3\xA9\xE2\x82\xAC"), "hi");
    EXPECT_EQ(LoadString(name.Slice(5)), String("hi"));
}

struct DecodeCase {
    const char* what;
    std::string bytes;
    std::u16string text;
};

TEST(LoadString, DecodesByteOrderMarksUtf8AndFallsBackToOneCharacterPerByte) {
    const DecodeCase cases[] = {
        {"empty file", "", u""},
        {"only a UTF-8 mark", "\xEF\xBB\xBF", u""},
        {"two-byte UTF-8", "A\xC3\xA9", u"A\u00E9"},
        {"three-byte UTF-8", "\xE2\x82\xAC", u"\u20AC"},
        {"UTF-8 mark skipped", "\xEF\xBB\xBFhi", u"hi"},
        {"lone Latin-1 byte", "A\xE9" "B", u"A\u00E9B"},
        {"bad byte after a mark", "\xEF\xBB\xBF\xE9", u"\u00E9"},
        {"sequence cut short", "A\xC3", u"A\u00C3"},
        {"three-byte cut short", "\xE2\x82", u"\u00E2\u0082"},
        {"four-byte form refused", "\xF0\x9F\x98\x80", u"\u00F0\u009F\u0098\u0080"},
        {"stray continuation", "\x80", u"\u0080"},
        {"NUL kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"UTF-16 big-endian", std::string("\xFE\xFF\x00\x41\x01\x00", 6), u"A\u0100"},
        {"UTF-16 little-endian", std::string("\xFF\xFE\x41\x00\x00\x01", 6), u"A\u0100"},
        {"UTF-16 odd last byte", std::string("\xFF\xFE\x41\x00\x42", 5), u"A"},
        {"UTF-16 mark only", "\xFE\xFF", u""},
        {"one byte", "\xFE", u"\u00FE"},
    };
    TempWorkDir dir;
    for (const auto& c : cases) {
        TempWorkDir::Write("data/t", c.bytes);
        EXPECT_EQ(LoadString("t").View(), std::u16string_view(c.text)) << c.what;
    }
}

TEST(LoadString, ReadsFilesAcrossAndOnTheBlockBoundary) {
    TempWorkDir dir;
    for (size_t size : {4095u, 4096u, 4097u, 8192u, 20000u}) {
        std::string bytes(size, 'a');
        bytes.back() = 'z';
        TempWorkDir::Write("data/big", bytes);
        const String text = LoadString("big");
        ASSERT_EQ(text.Length(), static_cast<int>(size));
        EXPECT_EQ(text[static_cast<int>(size) - 1], 'z');
    }
    // A two-byte character split across the block boundary still decodes.
    std::string split(4095, 'a');
    split += "\xC3\xA9";
    TempWorkDir::Write("data/split", split);
    const String text = LoadString("split");
    ASSERT_EQ(text.Length(), 4096);
    EXPECT_EQ(text[4095], 0xE9);
}

TEST(LoadString, MissingOrUnreadableGivesEmpty) {
    TempWorkDir dir;
    EXPECT_TRUE(LoadString("missing").Empty());
    EXPECT_TRUE(LoadString("songs").Empty());  // a folder
    EXPECT_TRUE(LoadString("zorbit://elsewhere/x").Empty());
    TempWorkDir::Write("plain", "here");
    // Real relative names are used as they are by the raw loader, not by LoadString.
    EXPECT_EQ(LoadFileString("plain"), String("here"));
    EXPECT_TRUE(LoadString("plain").Empty());
    EXPECT_EQ(LoadString("./plain"), String("here"));
}

TEST(LoadData, ReturnsTheWholeFileAndItsLength) {
    TempWorkDir dir;
    std::string bytes(10000, '\0');
    for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(k * 7);
    TempWorkDir::Write("data/blob", bytes);
    int length = -1;
    unsigned char* data = LoadData("zorbit://data/blob", &length);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(length, 10000);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), 10000), bytes);
    std::free(data);

    TempWorkDir::Write("data/empty", "");
    data = LoadData("zorbit://data/empty", &length);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(length, 0);
    std::free(data);

    length = 5;
    EXPECT_EQ(LoadData("zorbit://data/missing", &length), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(LoadData("zorbit://nowhere/blob", nullptr), nullptr);
}

}  // namespace
