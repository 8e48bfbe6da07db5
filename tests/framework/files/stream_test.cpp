// File streams: open modes, transfers, positions, and writing strings.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "framework/files/files.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(BBFileStream, OpenModes) {
    struct Case {
        const char* mode;
        bool existing;
        bool opens;
        int length;  // after opening
        const char* after;  // file content after open and close; nullptr: no file
    };
    const Case cases[] = {
        {"r", true, true, 5, "hello"},
        {"r", false, false, 0, nullptr},
        {"w", true, true, 0, ""},
        {"w", false, true, 0, ""},
        {"u", true, true, 5, "hello"},
        {"u", false, true, 0, ""},  // created
        {"a", true, false, 0, "hello"},  // only the framework stream knows "a"
        {"rb", true, false, 0, "hello"},
        {"", true, false, 0, "hello"},
    };
    TempWorkDir dir;
    for (const auto& c : cases) {
        std::filesystem::remove("data/f");
        if (c.existing) TempWorkDir::Write("data/f", "hello");
        BBFileStream s;
        EXPECT_EQ(s.Open("zorbit://data/f", c.mode), c.opens) << c.mode;
        EXPECT_EQ(s.Length(), c.length) << c.mode;
        EXPECT_EQ(s.Position(), 0) << c.mode;
        s.Close();
        EXPECT_EQ(std::filesystem::exists("data/f"), c.after != nullptr) << c.mode;
        if (c.after) {
            EXPECT_EQ(TempWorkDir::Read("data/f"), c.after) << c.mode;
        }
    }
    BBFileStream s;
    EXPECT_FALSE(s.Open("zorbit://elsewhere/f", "w"));
    ASSERT_TRUE(s.Open("zorbit://data/f", "r"));
    EXPECT_FALSE(s.Open("zorbit://data/f", "r"));  // already open
}

TEST(BBFileStream, ReadWriteSeekAndEof) {
    TempWorkDir dir;
    BBFileStream s;
    EXPECT_EQ(s.Eof(), -1);
    DataBuffer buf(8);
    EXPECT_EQ(s.Write(&buf, 0, 8), 0);  // no file
    ASSERT_TRUE(s.Open("zorbit://data/f", "u"));
    EXPECT_EQ(s.Eof(), 1);
    buf.PokeString(0, "abcdefgh", "ascii");
    EXPECT_EQ(s.Write(&buf, 2, 4), 4);
    EXPECT_EQ(s.Position(), 4);
    EXPECT_EQ(s.Length(), 4);
    // Counts reaching past the buffer are cut at its end.
    EXPECT_EQ(s.Write(&buf, 6, 100), 2);
    EXPECT_EQ(s.Write(&buf, 9, 1), 0);
    EXPECT_EQ(s.Length(), 6);
    EXPECT_EQ(s.Seek(1), 1);
    EXPECT_EQ(s.Eof(), 0);
    DataBuffer in(8);
    EXPECT_EQ(s.Read(&in, 1, 100), 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(in.ReadPointer(1)), 5), "defgh");
    EXPECT_EQ(s.Position(), 6);
    EXPECT_EQ(s.Eof(), 1);
    s.Close();
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(s.Eof(), -1);
    s.Close();  // twice is harmless
    EXPECT_EQ(TempWorkDir::Read("data/f"), "cdefgh");
}

TEST(FileStream, OpenModesIncludingAppend) {
    TempWorkDir dir;
    EXPECT_EQ(FileStream::Open("zorbit://data/f", "r"), nullptr);
    EXPECT_EQ(FileStream::Open("zorbit://data/f", "x"), nullptr);
    std::unique_ptr<FileStream> w(FileStream::Open("zorbit://data/f", "w"));
    ASSERT_NE(w, nullptr);
    WriteString(w.get(), "one");
    w->Close();
    std::unique_ptr<FileStream> a(FileStream::Open("zorbit://data/f", "a"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Native()->Position(), 3);
    WriteString(a.get(), "two");
    a.reset();  // destroying closes
    EXPECT_EQ(TempWorkDir::Read("data/f"), "onetwo");
    std::unique_ptr<FileStream> fresh(FileStream::Open("zorbit://data/g", "a"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(std::filesystem::exists("data/g"));
    std::unique_ptr<FileStream> u(FileStream::Open("zorbit://data/f", "u"));
    ASSERT_NE(u, nullptr);
    WriteString(u.get(), "ON");
    u->Close();
    EXPECT_EQ(TempWorkDir::Read("data/f"), "ONetwo");
}

TEST(FileStream, WriteStringEncodesAndReadsBack) {
    TempWorkDir dir;
    std::unique_ptr<FileStream> s(FileStream::Open("zorbit://data/f", "w"));
    ASSERT_NE(s, nullptr);
    s->WriteString(String::FromChar(0x100));
    s->WriteString(String::FromChar(0));
    s->WriteString(String(u"\u20AC\u00E9"), "ascii");
    s->Close();
    EXPECT_EQ(TempWorkDir::Read("data/f"), std::string("\xC4\x80\0\xAC\xE9", 5));

    s.reset(FileStream::Open("zorbit://data/g", "w"));
    const std::u16string text(u"\0A\u00E9\u20AC\uFFFF", 5);
    s->WriteString(String(text));
    s->Close();
    EXPECT_EQ(LoadString("g").View(), std::u16string_view(text));
}

TEST(FileStream, RefusedWritesRaiseStreamWriteError) {
    TempWorkDir dir;
    TempWorkDir::Write("data/f", "x");
    std::unique_ptr<FileStream> r(FileStream::Open("zorbit://data/f", "r"));
    ASSERT_NE(r, nullptr);
    EXPECT_THROW(r->WriteString("abc"), StreamWriteError);
    try {
        r->WriteString("abc");
    } catch (const StreamError& e) {
        EXPECT_EQ(e.GetStream(), r.get());
    }
    r->WriteString("");  // nothing to write is no error
    // A full device takes the bytes into the buffer and refuses them on flush.
    if (std::filesystem::exists("/dev/full")) {
        std::unique_ptr<FileStream> full(FileStream::Open("/dev/full", "w"));
        ASSERT_NE(full, nullptr);
        full->WriteString("abc");
        EXPECT_THROW(full->Flush(), StreamWriteError);
    }
    // A closed stream writes nothing, which is an error too.
    std::unique_ptr<FileStream> w(FileStream::Open("zorbit://data/g", "w"));
    w->Close();
    EXPECT_THROW(w->WriteString("abc"), StreamWriteError);
}

}  // namespace
