// The song file: its exact layout, round trips, old files, and failures that
// must leave the song alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "framework/files/files.h"
#include "tests/support/fresh_engine.h"
#include "tests/support/song_check.h"
#include "tests/support/temp_dir.h"
#include "tracker/songfile.h"

namespace {

using song_check::SameSong;
using song_check::WellShaped;

class SongFile : public testing::Test {
protected:
    TempWorkDir dir_;
    std::unique_ptr<SoundEngine> engine_ = MakeFreshEngine();
    EngineState& s_ = *engine_;
    const EngineState blank_ = s_;  // the song right after start-up

    static std::string FileBytes(const std::string& name) { return TempWorkDir::Read("data/songs/" + name); }
    static void WriteSong(const std::string& name, const std::string& bytes) {
        TempWorkDir::Write("data/songs/" + name, bytes);
    }
    static void WriteSongText(const std::string& name, const std::u16string& text) {
        WriteSong(name, EncodeUtf8(text));
    }

    // A song with every stored field set, with values that take one, two and
    // three bytes in the file.
    void FillSong() {
        std::mt19937 rng(7);
        const char16_t notes[] = u"ysxdcvgbhnjmq2w3er5t6z7ui9o0p.<+#";
        for (int n = 1; n <= kChannels; ++n) {
            std::u16string t(kTrackLength, u'.'), v(kTrackLength, u'0'), in(kTrackLength, u'0'),
                o(kTrackLength, u'0');
            for (int r = 0; r < 32 * 201; ++r) {
                t[r] = notes[rng() % 33];
                v[r] = u"0123456789ABCDEF"[rng() % 16];
                in[r] = u"0123456789ABCDEFGHIJKLMNOPQRSTUV"[rng() % 32];
                o[r] = static_cast<char16_t>(u'0' + rng() % 4);
            }
            s_.Track[n] = String(t);
            s_.VolumeTrack[n] = String(v);
            s_.InstTrack[n] = String(in);
            s_.OctaveTrack[n] = String(o);
        }
        for (int k = 0; k < 256; ++k) s_.Patterns[k] = static_cast<int>(rng() % 201);
        s_.Patterns[17] = 200;
        s_.Songlength = 99 * 32;
        s_.spd = 16.0f;
        for (int k = 0; k < 256; ++k) s_.InsArrayData[k] = static_cast<int>(rng() % 300);
        s_.InsArrayData[8] = 0x7FF;
        s_.InsArrayData[9] = 0x800;
        s_.InsArrayData[248] = 0xFFFF;
        for (int k = 249; k < 256; ++k) s_.InsArrayData[k] = 140 + k;  // instrument 31's tail
        s_.Descriptions[1] = "Bass";
        s_.Descriptions[2] = String(u"Caf\u00E9 \u20AC lead        12");  // 21 characters
        s_.Descriptions[31] = "last one";
        // Descriptions[3..30] never typed.
    }
};

TEST_F(SongFile, BlankSongIsWrittenFieldByField) {
    ASSERT_EQ(SaveFile(s_, "blank"), String("File Saved..."));
    const std::string f = FileBytes("blank");
    ASSERT_EQ(f.size(), 1682u);
    EXPECT_EQ(f.substr(0, 4), "PSG1");
    EXPECT_EQ(f.substr(4, 3), std::string("\x01\x05\x01"));  // positions, speed, patterns
    size_t at = 7;
    for (int b = 0; b < 16; ++b, at += 32) {
        EXPECT_EQ(f.substr(at, 32), std::string(32, b < 4 ? '.' : '0')) << "block " << b;
    }
    EXPECT_EQ(f.substr(at, 256), std::string(256, '\0')) << "order";
    at += 256;
    EXPECT_EQ(f.substr(at, 249), std::string(249, '\0')) << "instrument entries";
    at += 249;
    EXPECT_EQ(f.substr(at, 651), std::string(651, ' ')) << "descriptions";
    at += 651;
    EXPECT_EQ(f.substr(at), std::string(7, '\0')) << "instrument 31's last entries";
    EXPECT_EQ(at + 7, 1682u);
}

TEST_F(SongFile, EveryFieldSurvivesARoundTrip) {
    FillSong();
    const EngineState saved = s_;
    ASSERT_EQ(SaveFile(s_, "full"), String("File Saved..."));
    // 201 patterns; the characters above 0x7F take two or three bytes.
    const String text = LoadString("songs/full");
    EXPECT_EQ(text.Length(), 1170 + 512 * 201);
    EXPECT_EQ(text[6], 201);
    EXPECT_GT(FileBytes("full").size(), static_cast<size_t>(text.Length()));
    EXPECT_EQ(FileBytes("full").substr(6, 2), "\xC3\x89");

    EngineState t = blank_;
    t.InsArrayData.fill(3);
    t.Descriptions[3] = "stale";
    ASSERT_EQ(LoadFile(t, "full"), String("File Loaded..."));
    EXPECT_TRUE(WellShaped(t));
    EXPECT_TRUE(SameSong(saved, t));
    EXPECT_EQ(t.Songlength, 3168);
    EXPECT_EQ(t.spd, 16.0f);
    EXPECT_EQ(t.Descriptions[1], String("Bass" + std::string(17, ' ')));
    EXPECT_EQ(t.Descriptions[2], saved.Descriptions[2]);
    EXPECT_EQ(t.Descriptions[3], String(std::string(21, ' ')));
    EXPECT_EQ(t.Descriptions[31], String("last one" + std::string(13, ' ')));
    // Rows of the patterns past the stored ones come back blank.
    EXPECT_EQ(t.Track[1].Slice(32 * 201, 32 * 201 + 3), String("..."));
    EXPECT_EQ(t.InstTrack[4].Slice(kTrackLength - 1), String("0"));
}

TEST_F(SongFile, SpeedFractionIsDroppedAndAZeroSpeedLoadsAsFive) {
    s_.spd = 7.9f;
    ASSERT_EQ(SaveFile(s_, "s"), String("File Saved..."));
    EXPECT_EQ(FileBytes("s")[5], '\x07');
    ASSERT_EQ(LoadFile(s_, "s"), String("File Loaded..."));
    EXPECT_EQ(s_.spd, 7.0f);

    std::string bytes = FileBytes("s");
    bytes[5] = '\0';
    WriteSong("s", bytes);
    ASSERT_EQ(LoadFile(s_, "s"), String("File Loaded..."));
    EXPECT_EQ(s_.spd, 5.0f);
}

TEST_F(SongFile, FileOfTheOlderLengthLoadsAndKeepsInstrument31sTail) {
    FillSong();
    const EngineState saved = s_;
    ASSERT_EQ(SaveFile(s_, "old"), String("File Saved..."));
    std::u16string text(LoadString("songs/old").View());
    text.resize(text.size() - 7);  // the older writer stopped after the descriptions
    WriteSongText("old", text);

    EngineState t = blank_;
    for (int k = 249; k < 256; ++k) t.InsArrayData[k] = k - 200;
    ASSERT_EQ(LoadFile(t, "old"), String("File Loaded..."));
    for (int k = 0; k < 249; ++k) ASSERT_EQ(t.InsArrayData[k], saved.InsArrayData[k]) << k;
    for (int k = 249; k < 256; ++k) EXPECT_EQ(t.InsArrayData[k], k - 200) << k;
    EXPECT_EQ(t.Descriptions[31], String("last one" + std::string(13, ' ')));
    EXPECT_EQ(t.Track[2], saved.Track[2]);
    EXPECT_EQ(t.OctaveTrack[4], saved.OctaveTrack[4]);
}

TEST_F(SongFile, ShortAndOversizedFilesLoadIntoWholeTracks) {
    // Three patterns: rows 96 onward are blank.
    std::u16string three = u"PSG1";
    three += char16_t(2);
    three += char16_t(6);
    three += char16_t(3);
    for (int b = 0; b < 16; ++b) three.append(96, b < 4 ? u'q' : u'7');
    three.append(256, char16_t(2));
    three[7 + 512 * 3 + 1] = char16_t(256);  // no such pattern
    WriteSongText("three", three);
    ASSERT_EQ(LoadFile(s_, "three"), String("File Loaded..."));
    EXPECT_TRUE(WellShaped(s_));
    EXPECT_EQ(s_.Track[4].Slice(95, 97), String("q."));
    EXPECT_EQ(s_.VolumeTrack[1].Slice(95, 97), String("70"));
    EXPECT_EQ(s_.Patterns[255], 2);
    EXPECT_EQ(s_.Patterns[1], 0);
    EXPECT_EQ(s_.InsArrayData[0], 0);  // past the end reads 0
    EXPECT_EQ(s_.Descriptions[1], String());
    EXPECT_EQ(s_.Songlength, 64);

    // More patterns than a track holds: the rows are cut at the track's end.
    std::u16string big = u"XXXX";  // the magic is not checked
    big += char16_t(1);
    big += char16_t(4);
    big += char16_t(300);
    big.append(32 * 300, u'w');
    WriteSongText("big", big);
    ASSERT_EQ(LoadFile(s_, "big"), String("File Loaded..."));
    EXPECT_TRUE(WellShaped(s_));
    EXPECT_EQ(s_.Track[1], String(std::u16string(kTrackLength, u'w')));
    EXPECT_EQ(s_.Track[2], String(std::u16string(kTrackLength, u'.')));  // past the text
    EXPECT_EQ(s_.VolumeTrack[1], String(std::u16string(kTrackLength, u'0')));

    // Bytes that are not UTF-8 are read one character per byte.
    WriteSong("latin", "PSG1\x01\x05\x01\xE9");
    ASSERT_EQ(LoadFile(s_, "latin"), String("File Loaded..."));
    EXPECT_TRUE(WellShaped(s_));
    EXPECT_EQ(s_.Track[1][0], 0xE9);
    EXPECT_EQ(s_.Track[1][1], '.');
}

TEST_F(SongFile, PatternsOutsideTheOrderThatHoldNotesAreKept) {
    // Pattern 5 was edited, then taken out of the order again.
    s_.Track[3] = String(std::u16string(32 * 5 + 7, u'.') + u"q" +
                         std::u16string(kTrackLength - 32 * 5 - 8, u'.'));
    s_.Patterns[0] = 1;
    ASSERT_EQ(SaveFile(s_, "p"), String("File Saved..."));
    EXPECT_EQ(FileBytes("p")[6], '\x06');
    const EngineState saved = s_;
    EngineState t = blank_;
    ASSERT_EQ(LoadFile(t, "p"), String("File Loaded..."));
    EXPECT_TRUE(SameSong(saved, t));
    // Blank patterns past the order are not stored.
    s_.Track[3] = String(std::u16string(kTrackLength, u'.'));
    ASSERT_EQ(SaveFile(s_, "p"), String("File Saved..."));
    EXPECT_EQ(FileBytes("p")[6], '\x02');
}

TEST_F(SongFile, SaveFailuresReportAndChangeNothing) {
    FillSong();
    const EngineState before = s_;
    EXPECT_EQ(SaveFile(s_, ""), String("Enter a Name..."));
    EXPECT_EQ(SaveFile(s_, "no/such/folder"), String("Saving Failed!"));
    std::filesystem::create_directory("data/songs/adir");
    EXPECT_EQ(SaveFile(s_, "adir"), String("Saving Failed!"));
    if (std::filesystem::exists("/dev/full")) {
        // The file opens, but the device refuses the content.
        std::filesystem::create_symlink("/dev/full", "data/songs/full");
        EXPECT_EQ(SaveFile(s_, "full"), String("Saving Failed!"));
    }
    std::filesystem::remove_all("data/songs");
    EXPECT_EQ(SaveFile(s_, "tune"), String("Saving Failed!"));
    EXPECT_FALSE(std::filesystem::exists("data/songs"));  // the folder is not created
    EXPECT_TRUE(SameSong(before, s_));
}

TEST_F(SongFile, FailedLoadsReportAndChangeNothing) {
    FillSong();
    s_.pcount = 3;
    s_.UndoCount = 2;
    const EngineState before = s_;
    WriteSong("empty", "");
    WriteSong("mark", "\xEF\xBB\xBF");  // decodes to no text at all
    std::filesystem::create_directory("data/songs/adir");
    for (const char* name : {"missing", "empty", "mark", "adir", ""}) {
        EXPECT_EQ(LoadFile(s_, name), String("Loading Failed!")) << name;
        EXPECT_TRUE(SameSong(before, s_)) << name;
    }
    EXPECT_EQ(s_.pcount, 3);
    EXPECT_EQ(s_.UndoCount, 2);
}

TEST_F(SongFile, LoadKeepsEditorAndPlayerState) {
    ASSERT_EQ(SaveFile(s_, "blank"), String("File Saved..."));
    s_.pcount = 4;
    s_.Cursorpos = 9;
    s_.STATUS = 0;
    s_.Descriptions[0] = "zero";
    ASSERT_EQ(LoadFile(s_, "blank"), String("File Loaded..."));
    EXPECT_EQ(s_.pcount, 4);
    EXPECT_EQ(s_.Cursorpos, 9);
    EXPECT_EQ(s_.STATUS, 0);
    EXPECT_EQ(s_.Descriptions[0], String("zero"));
    EXPECT_EQ(s_.Descriptions[1], String(std::string(21, ' ')));
}

// Any bytes load into a well-shaped song, and saving and loading that song
// again gives it back unchanged.
TEST_F(SongFile, RandomBytesLoadSafelyAndSurviveASaveAndLoad) {
    FillSong();
    ASSERT_EQ(SaveFile(s_, "seed"), String("File Saved..."));
    const std::string seed = FileBytes("seed");
    std::mt19937 rng(12345);
    for (int round = 0; round < 120; ++round) {
        std::string bytes;
        switch (round % 3) {
            case 0: {  // pure noise of any length
                bytes.resize(rng() % 3000);
                for (auto& c : bytes) c = static_cast<char>(rng());
                break;
            }
            case 1: {  // a real file with some bytes changed
                bytes = seed;
                for (int k = 0; k < 8; ++k) bytes[rng() % bytes.size()] = static_cast<char>(rng());
                break;
            }
            default: {  // a header with random counts, cut short
                bytes = "PSG1";
                for (int k = 0; k < 3; ++k) bytes += static_cast<char>(rng() % 128);
                bytes += seed.substr(7, rng() % (seed.size() - 7));
                break;
            }
        }
        WriteSong("r", bytes);
        LoadFile(s_, "r");
        ASSERT_TRUE(WellShaped(s_)) << "round " << round;
        for (int entry : s_.Patterns) ASSERT_TRUE(entry >= 0 && entry < kPatterns) << "round " << round;
        const EngineState loaded = s_;
        ASSERT_EQ(SaveFile(s_, "again"), String("File Saved..."));
        ASSERT_EQ(LoadFile(s_, "again"), String("File Loaded..."));
        ASSERT_TRUE(SameSong(loaded, s_)) << "round " << round;
    }
}

}  // namespace
