// The note and value characters of track rows.
#include <gtest/gtest.h>

#include "tracker/codec.h"

namespace {

TEST(PlayTrack, DecodesEveryNoteCharacterAndTheMarks) {
    const char* notes = "ysxdcvgbhnjmq2w3er5t6z7ui9o0p";
    const String track(notes);
    for (int code = 0; code <= 28; ++code) EXPECT_EQ(PlayTrack(track, code), code) << notes[code];
    const struct {
        const char* row;
        int code;
    } cases[] = {{".", 255}, {"<", 128}, {"+", 127}, {"#", 129}, {"a", 0}, {"Y", 0}, {"8", 0}};
    for (const auto& c : cases) EXPECT_EQ(PlayTrack(String(c.row), 0), c.code) << c.row;
}

TEST(PlayTrack, RowsOutsideTheTrackReadAsCodeZero) {
    EXPECT_EQ(PlayTrack(".", 1), 0);
    EXPECT_EQ(PlayTrack("...", 3000), 0);
    EXPECT_EQ(PlayTrack(String(), 0), 0);
}

TEST(Translate2Note, NamesNotesOnTheirOctave) {
    const struct {
        const char* note;
        const char* octave;
        const char* name;
    } cases[] = {
        {"y", "2", "C-2"}, {"q", "0", "C-1"}, {"p", "3", "E-5"}, {"0", "1", "D#3"},
        {"s", "0", "C#0"}, {"m", "3", "B-3"}, {"u", "2", "B-3"}, {"9", "0", "C#2"},
        {".", "0", "---"}, {".", "3", "---"}, {"<", "1", "{|}"}, {"<", "2", "{|}"},
        {"+", "0", "-dn"}, {"#", "3", "-up"}, {"a", "0", "???"}, {"Y", "1", "???"},
        {"y", "4", ""},    {"y", ".", ""},    {"<", "A", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Translate2Note(c.note, 0, c.octave), String(c.name)) << c.note << c.octave;
    }
}

TEST(Translate2Note, RowsPastEitherTrackGiveEmptyNames) {
    EXPECT_EQ(Translate2Note("y", 1, "00"), String());  // past the note track
    EXPECT_EQ(Translate2Note("yy", 1, "0"), String());  // past the octave track
    EXPECT_EQ(Translate2Note("yq", 1, "02"), String("C-3"));
}

TEST(Char2Int, ReadsDigitsAndHexLetters) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"A", 10}, {"a", 10}, {"F", 15}, {"f", 15}, {"c", 12}, {"7", 7}, {"0", 0},
        {".", 0},  {"G", 0},  {"z", 0},  {"12", 12}, {"", 0},  {"AA", 0}, {" 3", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(Char2Int(c.text), c.value) << c.text;
}

TEST(Int2Char, WritesOneCharacterFrom0To15AndDecimalOutside) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"}, {9, "9"}, {10, "A"}, {12, "C"}, {15, "F"}, {16, "16"}, {-1, "-1"}};
    for (const auto& c : cases) EXPECT_EQ(Int2Char(c.value), String(c.text)) << c.value;
    for (int v = 0; v < 16; ++v) EXPECT_EQ(Char2Int(Int2Char(v)), v);
}

TEST(Hex8, GivesTheLowByteAsTwoUpperCaseDigits) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "00"},  {10, "0A"},   {31, "1F"},  {255, "FF"},
                 {256, "00"}, {300, "2C"}, {-1, "FF"}, {-256, "00"}};
    for (const auto& c : cases) EXPECT_EQ(Hex8(c.value), String(c.text)) << c.value;
}

TEST(ChangeTrack, ReplacesOneBasedPositionsAndAppendsPastTheEnd) {
    const String track("abcd");
    const struct {
        int position;
        const char* text;
        const char* result;
    } cases[] = {
        {1, "y", "ybcd"}, {4, "y", "abcy"}, {5, "y", "abcdy"}, {9, "y", "abcdy"},
        {2, "xy", "axycd"}, {2, "", "acd"},
        // Positions below 1 change nothing rather than wrap around the track.
        {0, "y", "abcd"}, {-3, "y", "abcd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChangeTrack(track, c.position, c.text), String(c.result)) << c.position;
    }
    EXPECT_EQ(track, String("abcd"));
    EXPECT_EQ(ChangeTrack(String(), 1, "q"), String("q"));
}

TEST(InstrumentCells, StoreEveryInstrumentInOneCharacter) {
    const char* cells = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    for (int v = 0; v <= 31; ++v) {
        const String cell = Int2InstChar(v);
        ASSERT_EQ(cell.Length(), 1) << v;
        EXPECT_EQ(cell[0], cells[v]) << v;
        EXPECT_EQ(InstChar2Int(cell), v) << v;
    }
    EXPECT_EQ(Int2InstChar(32), String("V"));
    EXPECT_EQ(Int2InstChar(-1), String("0"));
    // Lower-case hex still reads as volumes do; anything else outside the set reads 0.
    EXPECT_EQ(InstChar2Int("b"), 11);
    EXPECT_EQ(InstChar2Int("W"), 0);
    EXPECT_EQ(InstChar2Int("g"), 0);
    EXPECT_EQ(InstChar2Int(""), 0);
    // Volume cells keep their own reading.
    EXPECT_EQ(Char2Int("G"), 0);
}

}  // namespace
