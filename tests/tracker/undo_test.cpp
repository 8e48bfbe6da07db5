// The undo history: recording snapshots of the 16 tracks and stepping back.
#include <gtest/gtest.h>

#include "tests/support/fresh_engine.h"
#include "tests/support/song_check.h"
#include "tracker/codec.h"
#include "tracker/undo.h"

namespace {

using song_check::TrackOf;

class UndoHistory : public testing::Test {
protected:
    std::unique_ptr<SoundEngine> engine_ = MakeFreshEngine();
    EngineState& s_ = *engine_;
    const EngineState blank_ = s_;

    // A note entry as the editor makes it: note and volume written, then a snapshot.
    void EnterNote(int channel, int row, const char* note) {
        s_.Track[channel] = ChangeTrack(s_.Track[channel], row + 1, note);
        s_.VolumeTrack[channel] = ChangeTrack(s_.VolumeTrack[channel], row + 1, "8");
        Undo(s_);
    }

    // True when all 16 tracks hold the same text in both states.
    static bool SameTracks(const EngineState& a, const EngineState& b) {
        for (int kind = 0; kind < 4; ++kind) {
            for (int n = 1; n <= kChannels; ++n) {
                if (TrackOf(a, kind, n) != TrackOf(b, kind, n)) return false;
            }
        }
        return true;
    }
};

TEST_F(UndoHistory, RestoreAtStartKeepsTheBlankSong) {
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 0);
    EXPECT_TRUE(SameTracks(blank_, s_));
}

TEST_F(UndoHistory, TwoEntriesThenThreeRestores) {
    EnterNote(1, 0, "q");
    const EngineState afterA = s_;
    EnterNote(2, 5, "w");
    EXPECT_EQ(s_.UndoCount, 2);
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 1);
    EXPECT_TRUE(SameTracks(afterA, s_));
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 0);
    EXPECT_TRUE(SameTracks(blank_, s_));
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 0);
    EXPECT_TRUE(SameTracks(blank_, s_));
}

TEST_F(UndoHistory, RestoreAlsoDropsUnrecordedEditsAndCoversAll16Tracks) {
    EnterNote(1, 0, "q");
    const EngineState afterNote = s_;
    for (int n = 1; n <= kChannels; ++n) {  // edits that record nothing
        s_.Track[n] = ChangeTrack(s_.Track[n], 3, "<");
        s_.VolumeTrack[n] = ChangeTrack(s_.VolumeTrack[n], 3, "F");
        s_.InstTrack[n] = ChangeTrack(s_.InstTrack[n], 3, "V");
        s_.OctaveTrack[n] = ChangeTrack(s_.OctaveTrack[n], 3, "3");
    }
    Undo(s_);
    UndoRestore(s_);
    EXPECT_TRUE(SameTracks(afterNote, s_));
    for (int n = 1; n <= kChannels; ++n) EXPECT_EQ(s_.InstTrack[n].Slice(2, 3), String("0"));
}

TEST_F(UndoHistory, ThreeHundredEntriesKeepTheLast255Steps) {
    EngineState after254 = s_;
    for (int k = 1; k <= 300; ++k) {
        EnterNote(1 + k % 4, k % 200, "e");
        if (k == 254) after254 = s_;
    }
    EXPECT_EQ(s_.UndoCount, 255);
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 254);
    EXPECT_TRUE(SameTracks(after254, s_));
}

TEST_F(UndoHistory, EntryAfterARestoreOverwritesTheNextSnapshot) {
    for (int k = 0; k < 5; ++k) EnterNote(1, k, "t");  // snapshot k+1 has rows 0..k
    UndoRestore(s_);
    UndoRestore(s_);
    EXPECT_EQ(s_.UndoCount, 3);
    const EngineState after3 = s_;
    EnterNote(3, 9, "p");
    EXPECT_EQ(s_.UndoCount, 4);
    // The old snapshot 4 (row 3 of channel 1 set) is gone.
    EXPECT_EQ(s_.UndoTrack[1][4].Slice(3, 4), String("."));
    EXPECT_EQ(s_.UndoTrack[3][4].Slice(9, 10), String("p"));
    UndoRestore(s_);
    EXPECT_TRUE(SameTracks(after3, s_));
    // Snapshot 5 is left as it was but cannot be reached: restores only go down.
    EXPECT_EQ(s_.UndoTrack[1][5].Slice(4, 5), String("t"));
}

TEST_F(UndoHistory, SnapshotsShareTheTrackStrings) {
    EnterNote(1, 0, "q");
    for (int n = 1; n <= kChannels; ++n) {
        EXPECT_TRUE(s_.UndoTrack[n][1].SharesWith(s_.Track[n]));
        EXPECT_TRUE(s_.UndoVolumeTrack[n][1].SharesWith(s_.VolumeTrack[n]));
        EXPECT_TRUE(s_.UndoInstTrack[n][1].SharesWith(s_.InstTrack[n]));
        EXPECT_TRUE(s_.UndoOctaveTrack[n][1].SharesWith(s_.OctaveTrack[n]));
    }
    // Unchanged tracks are shared with the snapshot before, too.
    EXPECT_TRUE(s_.UndoTrack[2][1].SharesWith(s_.UndoTrack[2][0]));
    UndoRestore(s_);
    EXPECT_TRUE(s_.Track[1].SharesWith(s_.UndoTrack[1][0]));
    EXPECT_TRUE(s_.OctaveTrack[4].SharesWith(s_.UndoOctaveTrack[4][0]));
}

}  // namespace
