// Byte buffers: ownership, little-endian pokes and peeks, string encoding.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "framework/files/files.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/temp_dir.h"

namespace {

std::string Bytes(const DataBuffer& b, int n) {
    return std::string(reinterpret_cast<const char*>(b.ReadPointer()), static_cast<size_t>(n));
}

TEST(DataBuffer, NewTakesBytesOnceAndDiscardEmptiesIt) {
    DataBuffer b;
    EXPECT_EQ(b.Length(), 0);
    ASSERT_EQ(b._New(8), 1);
    EXPECT_EQ(b.Length(), 8);
    EXPECT_EQ(b.PeekInt(4), 0);  // allocated zeroed
    EXPECT_EQ(b._New(4), 0);     // already holds bytes
    EXPECT_EQ(b.Length(), 8);
    b.Discard();
    EXPECT_EQ(b.Length(), 0);
    auto* data = static_cast<unsigned char*>(std::malloc(3));
    std::memcpy(data, "xyz", 3);
    ASSERT_EQ(b._New(3, data), 1);
    EXPECT_EQ(b.ReadPointer(), data);
    EXPECT_EQ(b.PeekByte(2), 'z');
}

TEST(DataBuffer, LoadTakesTheFileOrNothing) {
    TempWorkDir dir;
    TempWorkDir::Write("data/b", "\x01\x02\x03");
    DataBuffer b;
    EXPECT_EQ(b._Load("zorbit://data/missing"), 0);
    EXPECT_EQ(b.Length(), 0);
    ASSERT_EQ(b._Load("zorbit://data/b"), 1);
    EXPECT_EQ(b.Length(), 3);
    EXPECT_EQ(b.PeekShort(1), 0x0302);
    EXPECT_EQ(b._Load("zorbit://data/b"), 0);
}

TEST(DataBuffer, PokesAndPeeksAreLittleEndianAndSignExtend) {
    DataBuffer b(16);
    b.PokeInt(0, 0x12345678);
    EXPECT_EQ(Bytes(b, 4), "\x78\x56\x34\x12");
    EXPECT_EQ(b.PeekInt(0), 0x12345678);
    b.PokeShort(4, 0xFF80);
    EXPECT_EQ(b.PeekShort(4), -128);
    EXPECT_EQ(b.PeekByte(4), -128);
    EXPECT_EQ(b.PeekByte(5), -1);
    b.PokeByte(6, 0x17F);  // low 8 bits only
    EXPECT_EQ(b.PeekByte(6), 0x7F);
    b.PokeFloat(8, -1.5f);
    EXPECT_FLOAT_EQ(b.PeekFloat(8), -1.5f);
    b.PokeInt(12, -2);
    EXPECT_EQ(b.PeekInt(12), -2);
}

TEST(DataBuffer, AccessesOutsideTheBufferStoreNothingAndReadZero) {
    DataBuffer b(4);
    b.PokeInt(0, -1);
    b.PokeInt(1, 0);   // would end past the buffer
    b.PokeShort(3, 0);
    b.PokeByte(4, 0);
    b.PokeByte(-1, 0);
    EXPECT_EQ(b.PeekInt(0), -1);
    EXPECT_EQ(b.PeekInt(1), 0);
    EXPECT_EQ(b.PeekShort(3), 0);
    EXPECT_EQ(b.PeekByte(-1), 0);
    DataBuffer empty;
    EXPECT_EQ(empty.PeekByte(0), 0);
}

TEST(DataBuffer, PokeBytesIsLimitedToTheBufferAndTheArray) {
    const int values[] = {0x141, 0x42, 0x43, 0x44, 0x45};
    DataBuffer b(4);
    b.PokeBytes(1, values, 5, 0, 10);  // buffer limits: 3 bytes
    EXPECT_EQ(Bytes(b, 4), std::string("\0ABC", 4));
    DataBuffer c(8);
    c.PokeBytes(0, values, 5, 3, 10);  // array limits: 2 values
    EXPECT_EQ(Bytes(c, 3), std::string("DE\0", 3));
}

TEST(DataBuffer, PokeStringEncodesAndCountsTheWholeEncoding) {
    struct Case {
        std::u16string text;
        const char* encoding;
        std::string bytes;
    };
    const Case cases[] = {
        {u"A", "utf8", "A"},
        {u"\u0100", "utf8", "\xC4\x80"},
        {u"\u07FF\u0800", "utf8", "\xDF\xBF\xE0\xA0\x80"},
        {std::u16string(1, u'\0'), "utf8", std::string(1, '\0')},
        {u"\U0001F600", "utf8", "\xED\xA0\xBD\xED\xB8\x80"},  // surrogates one by one
        {u"A\u0141\u00E9", "ascii", "AA\xE9"},
    };
    for (const auto& c : cases) {
        DataBuffer b(16);
        ASSERT_EQ(b.PokeString(0, String(c.text), c.encoding), static_cast<int>(c.bytes.size()));
        EXPECT_EQ(Bytes(b, static_cast<int>(c.bytes.size())), c.bytes);
    }
    // Only what fits is stored; the count is still of the whole encoding.
    DataBuffer small(3);
    EXPECT_EQ(small.PokeString(1, String(u"\u20AC\u20AC"), "utf8"), 6);
    EXPECT_EQ(Bytes(small, 3), std::string("\0\xE2\x82", 3));
}

TEST(DataBufferDeathTest, UnknownEncodingIsFatal) {
    DataBuffer b(4);
    EXPECT_EXIT((StdoutToStderr(), b.PokeString(0, "x", "latin1")), testing::ExitedWithCode(255),
                "Zorbit Runtime Error : Invalid string encoding:latin1");
}

}  // namespace
