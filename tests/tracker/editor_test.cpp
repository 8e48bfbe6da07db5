// Editor commands, driven through the input device and OnUpdate as the host does.
#include "tracker/editor.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/editor_scenario.h"
#include "tracker/codec.h"

namespace {

std::string Cell(const String& track, int row) {
    return track.Slice(row, row + 1).ToUtf8();
}

void SetCell(String& track, int row, const char* c) {
    track = ChangeTrack(track, row + 1, c);
}

bool AllTracksFull(const SoundEngine& e) {
    for (int n = 1; n <= kChannels; ++n) {
        for (const String* t : {&e.Track[n], &e.VolumeTrack[n], &e.InstTrack[n], &e.OctaveTrack[n]}) {
            if (t->Length() != kTrackLength) return false;
        }
    }
    return true;
}

class EditorTest : public ::testing::Test {
protected:
    EditorScenario s;
    SoundEngine& e = s.e();
};

TEST_F(EditorTest, NoteEntryWritesFourTracksSnapshotsAndPlays) {
    e.Patterns[0] = 2;  // ppos 64, so the row is found through the pattern order
    e.InsArrayData[3 * 8] = 1;  // instrument 3 plays WAV 1
    s.StartEditing();
    e.WavInit = 3;
    e.Cursorpos = 5;
    s.ClearAudio();
    s.Type('q');
    s.Update();

    const int row = 64 + 4;
    EXPECT_EQ(Cell(e.Track[1], row), "q");
    EXPECT_EQ(Cell(e.InstTrack[1], row), "3");
    EXPECT_EQ(Cell(e.OctaveTrack[1], row), "2");
    EXPECT_EQ(Cell(e.VolumeTrack[1], row), "8");
    EXPECT_EQ(Cell(e.Track[1], row - 1), ".");
    EXPECT_EQ(Cell(e.Track[2], row), ".");
    EXPECT_EQ(e.Cursorpos, 6);
    EXPECT_EQ(e.Lastgch, String("q"));
    EXPECT_TRUE(AllTracksFull(e));

    ASSERT_EQ(e.UndoCount, 1);
    EXPECT_TRUE(e.UndoTrack[1][1] == e.Track[1]);
    EXPECT_TRUE(e.UndoVolumeTrack[1][1] == e.VolumeTrack[1]);

    // "q" is note 12, one octave above octave 2's base: rate 2 on channel 1.
    EXPECT_TRUE(s.Played(1));
    EXPECT_NEAR(s.FirstRate(1), 2.0000012f, 1e-6);
    EXPECT_FALSE(s.Played(2));
}

TEST_F(EditorTest, MarksClearInstrumentAndOctaveWithoutSnapshot) {
    s.StartEditing();
    e.WavInit = 3;
    e.Cursorpos = 5;
    SetCell(e.VolumeTrack[1], 4, "5");
    SetCell(e.InstTrack[1], 4, "7");
    SetCell(e.OctaveTrack[1], 4, "1");
    for (const char* mark : {".", "+", "#"}) {
        e.Cursorpos = 5;
        s.Type(mark[0]);
        s.Update();
        EXPECT_EQ(Cell(e.Track[1], 4), mark);
        EXPECT_EQ(Cell(e.InstTrack[1], 4), "0");
        EXPECT_EQ(Cell(e.OctaveTrack[1], 4), "0");
        EXPECT_EQ(Cell(e.VolumeTrack[1], 4), "5");
        EXPECT_EQ(e.Cursorpos, 6);
    }
    EXPECT_EQ(e.UndoCount, 0);
    EXPECT_TRUE(e.Lastgch.Empty());
}

TEST_F(EditorTest, HighInstrumentsTakeOneCell) {
    s.StartEditing();
    e.WavInit = 20;
    s.Type('y');
    s.Update();
    EXPECT_EQ(Cell(e.InstTrack[1], 0), "K");
    EXPECT_EQ(Cell(e.InstTrack[1], 1), "0");
    EXPECT_TRUE(AllTracksFull(e));
}

TEST_F(EditorTest, RejectedCharactersChangeNothing) {
    s.StartEditing();
    const int rejected[] = {'A', ' ', '-', '>', '@', CHAR_LEFT, CHAR_TAB, CHAR_DELETE};
    for (int k : rejected) {
        s.Type(k);
        s.Update();
    }
    EXPECT_EQ(Cell(e.Track[1], 0), ".");
    EXPECT_EQ(e.Cursorpos, 1);
    EXPECT_EQ(e.UndoCount, 0);
}

TEST_F(EditorTest, StandbyPreviewsWithoutWriting) {
    e.InsArrayData[8] = 5;  // instrument 1 plays WAV 5
    ASSERT_EQ(e.STATUS, 2);
    e.EDIT_CHANNEL = 3;
    e.Decay[0] = 0.5f;
    s.Update();
    s.ClearAudio();
    s.Type('q');
    s.Update();
    EXPECT_EQ(Cell(e.Track[2], 0), ".");
    EXPECT_EQ(Cell(e.VolumeTrack[2], 0), "0");
    EXPECT_EQ(e.Cursorpos, 1);
    EXPECT_EQ(e.UndoCount, 0);
    EXPECT_EQ(e.Lastgch, String("q"));
    EXPECT_TRUE(s.Played(2));
    EXPECT_FALSE(s.Played(1));
    // The envelope starts again (and the preview tick has advanced it one step).
    EXPECT_LT(e.Decay[0], 0.5f);
}

TEST_F(EditorTest, VolumeEntryTakesLowerCaseHexOnly) {
    s.StartEditing();
    e.EDIT_CHANNEL = 4;
    e.Cursorpos = 3;
    s.Type('A');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[2], 2), "0");
    EXPECT_EQ(e.Cursorpos, 3);
    s.Type('a');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[2], 2), "A");
    EXPECT_EQ(e.Cursorpos, 4);
    s.Type('7');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[2], 3), "7");
    s.Type('g');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[2], 4), "0");
    EXPECT_EQ(Cell(e.Track[2], 2), ".");
    EXPECT_EQ(e.UndoCount, 0);

    // On row 32 the cursor passes to 33 and wraps at the next update.
    e.Cursorpos = 32;
    s.Type('f');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[2], 31), "F");
    EXPECT_EQ(e.Cursorpos, 33);
    s.Update();
    EXPECT_EQ(e.Cursorpos, 1);
    EXPECT_TRUE(AllTracksFull(e));
}

TEST_F(EditorTest, VolumeEntryOnlyWhileEditing) {
    e.EDIT_CHANNEL = 2;
    s.Type('5');
    s.Update();
    EXPECT_EQ(Cell(e.VolumeTrack[1], 0), "0");
}

TEST_F(EditorTest, CursorKeysRepeatAfterTwelveUpdatesAndWrap) {
    s.StartEditing();
    s.Hold(KEY_DOWN);
    s.Update();
    EXPECT_EQ(e.Cursorpos, 2);  // the hit moves at once
    s.Update(11);
    EXPECT_EQ(e.Cursorpos, 2);  // held for 12 updates: no repeat yet
    s.Update();
    EXPECT_EQ(e.Cursorpos, 3);
    s.Update(29);
    EXPECT_EQ(e.Cursorpos, 32);
    s.Update();
    EXPECT_EQ(e.Cursorpos, 1);
    s.Release(KEY_DOWN);
    s.Update();
    EXPECT_EQ(e.Press2, 0);
    EXPECT_EQ(e.Cursorpos, 1);

    s.Press(KEY_UP);
    s.Update();
    EXPECT_EQ(e.Cursorpos, 32);
    s.Press(KEY_DOWN);
    s.Update();
    EXPECT_EQ(e.Cursorpos, 1);
}

TEST_F(EditorTest, ColumnKeysWrapAndSilence) {
    struct Case {
        int from, key, to;
    };
    const Case cases[] = {{1, KEY_LEFT, 8}, {8, KEY_TAB, 1}, {6, KEY_TAB, 8}, {7, KEY_TAB, 1},
                          {8, KEY_RIGHT, 1}, {3, KEY_RIGHT, 4}, {4, KEY_LEFT, 3}};
    for (const Case& c : cases) {
        e.EDIT_CHANNEL = c.from;
        s.ClearAudio();
        s.Press(c.key);
        s.Update();
        EXPECT_EQ(e.EDIT_CHANNEL, c.to) << "from column " << c.from << " with key " << c.key;
        EXPECT_TRUE(s.Stopped(1) && s.Stopped(12));
    }
}

TEST_F(EditorTest, PositionKeysStayInsideTheOrderTable) {
    e.Patterns[1] = 9;
    s.Press(KEY_PAGEUP);
    s.Update();
    EXPECT_EQ(e.pcount, 0);
    s.Press(KEY_PAGEDOWN);
    s.Update();
    EXPECT_EQ(e.pcount, 1);
    EXPECT_EQ(e.ppos, 9 * 32);
    e.Cursorpos = 7;
    e.pcount = 254;
    e.Patterns[255] = 4;
    for (int n = 0; n < 3; ++n) {
        s.Press(KEY_PAGEDOWN);
        s.Update();
    }
    EXPECT_EQ(e.pcount, 255);
    EXPECT_EQ(e.ppos, 4 * 32);
    EXPECT_EQ(e.Cursorpos, 7);
    s.Press(KEY_PAGEUP);
    s.Update();
    EXPECT_EQ(e.pcount, 254);
}

TEST_F(EditorTest, CopyOnePatternIntoAnotherChannelAndPattern) {
    s.StartEditing();
    e.Patterns[0] = 3;
    e.Patterns[1] = 7;
    // Channel 2, pattern 3: a note on every third row, distinct volumes.
    for (int r = 0; r < 32; r += 3) {
        SetCell(e.Track[2], 96 + r, "w");
        SetCell(e.VolumeTrack[2], 96 + r, r % 2 ? "C" : "4");
        SetCell(e.InstTrack[2], 96 + r, "5");
        SetCell(e.OctaveTrack[2], 96 + r, "3");
    }
    SetCell(e.Track[4], 7 * 32 + 1, "z");  // overwritten by the paste
    const String before4 = e.Track[4];
    e.EDIT_CHANNEL = 3;
    s.Update();
    s.Press(KEY_F9);
    s.Update();
    s.Press(KEY_PAGEDOWN);
    s.Update();
    e.EDIT_CHANNEL = 8;  // the volume column of channel 4 pastes the same
    s.Press(KEY_F10);
    s.Update();

    for (int r = 0; r < 32; ++r) {
        ASSERT_EQ(Cell(e.Track[4], 224 + r), Cell(e.Track[2], 96 + r)) << r;
        ASSERT_EQ(Cell(e.VolumeTrack[4], 224 + r), Cell(e.VolumeTrack[2], 96 + r)) << r;
        ASSERT_EQ(Cell(e.InstTrack[4], 224 + r), Cell(e.InstTrack[2], 96 + r)) << r;
        ASSERT_EQ(Cell(e.OctaveTrack[4], 224 + r), Cell(e.OctaveTrack[2], 96 + r)) << r;
    }
    EXPECT_EQ(Cell(e.Track[4], 224 + 3), "w");
    EXPECT_EQ(e.Track[4].Slice(0, 224), before4.Slice(0, 224));
    EXPECT_EQ(e.Track[4].Slice(256), before4.Slice(256));
    EXPECT_TRUE(AllTracksFull(e));

    // The buttons do the same; the buffers keep their rows for further pastes.
    e.EDIT_CHANNEL = 1;
    s.Click(516 + 27, 372 + 10);
    s.Update();
    EXPECT_EQ(Cell(e.Track[1], 224 + 3), "w");
}

TEST_F(EditorTest, PasteBeforeAnyCopyDoesNothing) {
    s.StartEditing();
    const String track = e.Track[1];
    s.Press(KEY_F10);
    s.Update();
    EXPECT_TRUE(e.Track[1].SharesWith(track));
    EXPECT_TRUE(AllTracksFull(e));
}

TEST_F(EditorTest, UndoButtonStepsBackThroughNoteEntries) {
    const auto undo = [&] {
        s.Click(570 + 27, 336 + 10);
        s.Update();
    };
    s.StartEditing();
    s.TypeEach("q");
    s.TypeEach("w");
    EXPECT_EQ(e.UndoCount, 2);
    undo();
    EXPECT_EQ(e.UndoCount, 1);
    EXPECT_EQ(Cell(e.Track[1], 0), "q");
    EXPECT_EQ(Cell(e.Track[1], 1), ".");
    undo();
    EXPECT_EQ(e.UndoCount, 0);
    EXPECT_EQ(Cell(e.Track[1], 0), ".");
    undo();
    EXPECT_EQ(e.UndoCount, 0);
    EXPECT_EQ(Cell(e.Track[1], 0), ".");

    // A volume digit takes no snapshot: it goes with the note before it.
    s.TypeEach("e");
    e.EDIT_CHANNEL = 2;
    e.Cursorpos = 1;
    s.TypeEach("c");
    EXPECT_EQ(Cell(e.VolumeTrack[1], 0), "C");
    undo();
    EXPECT_EQ(Cell(e.Track[1], 0), ".");
    EXPECT_EQ(Cell(e.VolumeTrack[1], 0), "0");
}

TEST_F(EditorTest, UndoButtonWorksWhilePlaying) {
    s.StartEditing();
    s.TypeEach("q");
    e.STATUS = 1;
    s.Click(570 + 27, 336 + 10);
    s.Update();
    EXPECT_EQ(Cell(e.Track[1], 0), ".");
}

TEST_F(EditorTest, MuteKeysAndButtonsToggle) {
    s.Press(KEY_F5);
    s.Update();
    EXPECT_EQ(e.CHOn[1], 0.0f);
    s.Press(KEY_F5);
    s.Update();
    EXPECT_EQ(e.CHOn[1], 1.0f);

    // Key and button in one update toggle once; the buttons sit under the labels.
    s.Press(KEY_F8);
    s.Click(242 + 27, 408 + 10);
    s.Update();
    EXPECT_EQ(e.CHOn[4], 0.0f);
    s.Click(110 + 27, 408 + 10);
    s.Update();
    EXPECT_EQ(e.CHOn[2], 0.0f);
    EXPECT_EQ(e.CHOn[3], 1.0f);
    e.STATUS = 1;  // every mode
    s.Press(KEY_F7);
    s.Update();
    EXPECT_EQ(e.CHOn[3], 0.0f);
}

TEST_F(EditorTest, RewindButtonGoesBackToTheFirstPosition) {
    e.Patterns[0] = 2;
    e.Patterns[3] = 5;
    e.pcount = 3;
    s.Update();
    EXPECT_EQ(e.ppos, 5 * 32);
    s.Click(570 + 27, 318 + 10);
    s.Update();
    EXPECT_EQ(e.pcount, 0);
    EXPECT_EQ(e.ppos, 2 * 32);
}

}  // namespace
