// String: slicing, integer reading, concatenation and sharing.
#include "runtime/string.h"

#include <gtest/gtest.h>

namespace {

struct SliceCase {
    int from, to;
    const char* expected;
};

class SliceTest : public ::testing::TestWithParam<SliceCase> {};

TEST_P(SliceTest, ClampsLikeTheTrackReadsExpect) {
    const String s("abcdef");
    const SliceCase c = GetParam();
    EXPECT_EQ(s.Slice(c.from, c.to), String(c.expected)) << c.from << ".." << c.to;
}

INSTANTIATE_TEST_SUITE_P(Table, SliceTest,
                         ::testing::Values(SliceCase{0, 6, "abcdef"}, SliceCase{1, 3, "bc"},
                                           SliceCase{-2, 6, "ef"}, SliceCase{-10, 2, "ab"},
                                           SliceCase{2, -1, "cde"}, SliceCase{0, -10, ""},
                                           SliceCase{4, 100, "ef"}, SliceCase{6, 7, ""},
                                           SliceCase{9, 10, ""}, SliceCase{3, 3, ""},
                                           SliceCase{4, 2, ""}, SliceCase{5, 6, "f"}));

TEST(String, SliceFromToTheEnd) {
    const String s("abcdef");
    EXPECT_EQ(s.Slice(4), String("ef"));
    EXPECT_EQ(s.Slice(-1), String("f"));
    EXPECT_EQ(s.Slice(7), String(""));
    EXPECT_TRUE(s.Slice(0).SharesWith(s));
}

struct ToIntCase {
    const char* text;
    int expected;
};

class ToIntTest : public ::testing::TestWithParam<ToIntCase> {};

TEST_P(ToIntTest, Reads) {
    EXPECT_EQ(String(GetParam().text).ToInt(), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, ToIntTest,
                         ::testing::Values(ToIntCase{"0", 0}, ToIntCase{"42", 42},
                                           ToIntCase{"  \t7", 7}, ToIntCase{"-13x", -13},
                                           ToIntCase{"+5", 5}, ToIntCase{"", 0},
                                           ToIntCase{".", 0}, ToIntCase{"A", 0},
                                           ToIntCase{"- 3", 0}, ToIntCase{"3 4", 3},
                                           ToIntCase{"2147483647", 2147483647}));

TEST(String, ToIntNarrowsCharactersToTheirLowByte) {
    // U+0131 narrows to '1'; U+0120 to a space.
    EXPECT_EQ(String(std::u16string{u'\u0131', u'2'}).ToInt(), 12);
    EXPECT_EQ(String(std::u16string{u'\u0120', u'9'}).ToInt(), 9);
}

TEST(String, ToIntReadsOnlyTheFirst63Characters) {
    const String zeros(std::u16string(62, u'0'));
    EXPECT_EQ((zeros + "12").ToInt(), 1);
    EXPECT_EQ((zeros + "1").ToInt(), 1);
}

TEST(String, ToUpperChangesOnlyAsciiLetters) {
    EXPECT_EQ(String("ab-z.\xc3\xa4q").ToUpper(), String("AB-Z.\xc3\xa4Q"));
}

TEST(String, ConversionsAndConcatenation) {
    EXPECT_EQ(String(-45), String("-45"));
    EXPECT_EQ(String::FromChar(0x263A).Length(), 1);
    EXPECT_EQ(String::FromChar(0x263A)[0], 0x263A);
    EXPECT_EQ(String("a") + String("bc") + 7, String("abc7"));
    EXPECT_NE(String("a"), String("b"));
    EXPECT_EQ(String(), String(""));
}

TEST(String, CopiesShareText) {
    const String a(std::u16string(8192, u'.'));
    const String b = a;
    EXPECT_TRUE(a.SharesWith(b));
}

TEST(String, Utf8RoundTripOfOneToThreeByteCharacters) {
    const std::u16string text = {u'A', u'\u00e9', u'\u20ac', u'\uffff'};
    const String s(text);
    EXPECT_EQ(s.ToUtf8(), "A\xc3\xa9\xe2\x82\xac\xef\xbf\xbf");
    EXPECT_EQ(String::FromUtf8(s.ToUtf8()), s);
}

}  // namespace
