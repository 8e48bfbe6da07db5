// The engine's start-up state: the blank song, its undo snapshot and the start values.
#include "tracker/engine.h"

#include <gtest/gtest.h>

#include "tests/support/fresh_engine.h"

namespace {

TEST(EngineState, BlankSongAfterCreate) {
    auto engine = MakeFreshEngine();
    const SoundEngine& e = *engine;
    for (int n = 1; n <= kChannels; ++n) {
        for (const String* t : {&e.Track[n], &e.VolumeTrack[n], &e.InstTrack[n], &e.OctaveTrack[n]}) {
            ASSERT_EQ(t->Length(), kTrackLength);
        }
        EXPECT_EQ(e.Track[n], String(std::u16string(kTrackLength, u'.')));
        EXPECT_EQ(e.VolumeTrack[n], String(std::u16string(kTrackLength, u'0')));
        EXPECT_EQ(e.InstTrack[n], e.VolumeTrack[n]);
        EXPECT_EQ(e.OctaveTrack[n], e.VolumeTrack[n]);
        EXPECT_EQ(e.UndoTrack[n][0], e.Track[n]);
        EXPECT_EQ(e.UndoVolumeTrack[n][0], e.VolumeTrack[n]);
        EXPECT_EQ(e.UndoInstTrack[n][0], e.InstTrack[n]);
        EXPECT_EQ(e.UndoOctaveTrack[n][0], e.OctaveTrack[n]);
        for (int k = 1; k < kUndoSlots; ++k) {
            ASSERT_TRUE(e.UndoTrack[n][k].Empty() && e.UndoVolumeTrack[n][k].Empty() &&
                        e.UndoInstTrack[n][k].Empty() && e.UndoOctaveTrack[n][k].Empty());
        }
        EXPECT_FLOAT_EQ(e.CHOn[n], 1.0f);
    }
}

TEST(EngineState, StartValuesAfterCreate) {
    auto engine = MakeFreshEngine();
    const SoundEngine& e = *engine;
    EXPECT_EQ(e.StatusInfo, String("Standby..."));
    EXPECT_EQ(e.STATUS, 2);
    EXPECT_EQ(e.EDIT_CHANNEL, 1);
    EXPECT_EQ(e.Cursorpos, 1);
    EXPECT_EQ(e.WavInit, 1);
    EXPECT_EQ(e.oct[0], 2);
    EXPECT_FLOAT_EQ(e.spd, 5.0f);
    EXPECT_EQ(e.Songlength, 32);
    EXPECT_EQ(UpdateRate(), 50);
    for (int v : e.Patterns) ASSERT_EQ(v, 0);
    for (int v : e.InsArrayData) ASSERT_EQ(v, 0);
    for (const String& d : e.Descriptions) ASSERT_TRUE(d.Empty());
}

}  // namespace
