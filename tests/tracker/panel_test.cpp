// The instrument and song panel: spin boxes on every update, the preview sounds and
// the description field.
#include "tracker/panel.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/editor_scenario.h"

namespace {

class PanelTest : public ::testing::Test {
protected:
    // The minus and plus halves of the spin box at (x, y).
    void Minus(int x, int y) {
        s.Click(x + 8, y + 8);
        s.Update();
    }
    void Plus(int x, int y) {
        s.Click(x + 24, y + 8);
        s.Update();
    }

    EditorScenario s;
    SoundEngine& e = s.e();
};

TEST_F(PanelTest, SongBoxesStopAtTheirEnds) {
    e.spd = 16;
    Plus(473, 372);
    EXPECT_EQ(e.spd, 16.0f);
    e.spd = 1;
    Minus(473, 372);
    EXPECT_EQ(e.spd, 1.0f);
    Plus(473, 372);
    EXPECT_EQ(e.spd, 2.0f);

    e.oct[0] = 0;
    Minus(473, 360);
    EXPECT_EQ(e.oct[0], 0);
    e.oct[0] = 3;
    Plus(473, 360);
    EXPECT_EQ(e.oct[0], 3);

    e.Songlength = 99 * 32;
    Plus(473, 384);
    EXPECT_EQ(e.Songlength, 3168);
    Minus(473, 384);
    EXPECT_EQ(e.Songlength, 98 * 32);
}

TEST_F(PanelTest, ValuesOutOfRangeAreClampedWithoutAClick) {
    e.spd = 40.7f;
    e.Songlength = 0;
    e.oct[0] = 9;
    e.WavInit = 31;
    e.STATUS = 1;  // also while playing
    s.Update();
    EXPECT_EQ(e.spd, 16.0f);
    EXPECT_EQ(e.Songlength, 32);
    EXPECT_EQ(e.oct[0], 3);
    // The selected instrument's WAV and ENV get their minimum 1; the rest may be 0.
    EXPECT_EQ(e.InsArrayData[248], 1);
    EXPECT_EQ(e.InsArrayData[252], 1);
    EXPECT_EQ(e.InsArrayData[249], 0);
    EXPECT_EQ(e.InsArrayData[8], 0);  // instrument 1 is not selected
}

TEST_F(PanelTest, EachParameterBoxEditsItsOwnEntry) {
    struct Box {
        int x, y, offset, max;
    };
    // WAV, PWM, E2P, ENV, both arpeggio steps, SPD, AMT.
    const Box boxes[] = {{561, 168, 0, 6},  {561, 180, 1, 15}, {561, 204, 2, 15},
                         {561, 192, 4, 255}, {561, 216, 6, 12}, {593, 216, 7, 12},
                         {561, 228, 5, 15}, {561, 240, 3, 15}};
    e.WavInit = 5;
    s.Update();
    for (const Box& b : boxes) {
        const std::array<int, 256> before = e.InsArrayData;
        Plus(b.x, b.y);
        for (int k = 0; k < 256; ++k) {
            EXPECT_EQ(e.InsArrayData[k], before[k] + (k == 40 + b.offset ? 1 : 0))
                << "box at " << b.x << "," << b.y << " entry " << k;
        }
        e.InsArrayData[40 + b.offset] = b.max;
        Plus(b.x, b.y);
        EXPECT_EQ(e.InsArrayData[40 + b.offset], b.max);
    }
}

TEST_F(PanelTest, InstrumentBoxSelectsOneToThirtyOne) {
    Minus(561, 144);
    EXPECT_EQ(e.WavInit, 1);
    Plus(561, 144);
    EXPECT_EQ(e.WavInit, 2);
    e.WavInit = 31;
    Plus(561, 144);
    EXPECT_EQ(e.WavInit, 31);
    // The parameter boxes of the same update already work on the new instrument.
    EXPECT_EQ(e.InsArrayData[248], 1);
}

TEST_F(PanelTest, SpinBoxEdgeBelongsToNeitherHalf) {
    e.spd = 5;
    s.Click(473 + 16, 372 + 8);
    s.Update();
    EXPECT_EQ(e.spd, 5.0f);
}

TEST_F(PanelTest, PatternNumberMovesTheCurrentPatternAtOnce) {
    EXPECT_EQ(e.ppos, 0);
    for (int n = 0; n < 5; ++n) Plus(385, 12);
    EXPECT_EQ(e.Patterns[0], 5);
    EXPECT_EQ(e.ppos, 160);
    e.Patterns[0] = 255;
    Plus(385, 12);
    EXPECT_EQ(e.Patterns[0], 255);
    e.Patterns[0] = 0;
    Minus(385, 12);
    EXPECT_EQ(e.Patterns[0], 0);
}

TEST_F(PanelTest, PreviewSoundsFollowTheSelectedInstrument) {
    e.WavInit = 2;
    e.InsArrayData[16] = 4;
    e.InsArrayData[17] = 9;
    s.Update();
    EXPECT_EQ(e.CurrentWav, e.Bass);
    EXPECT_EQ(e.CurrentWav2, nullptr);
    EXPECT_EQ(e.PWM[0], 9.0f);
    e.InsArrayData[16] = 1;
    s.Update();
    EXPECT_EQ(e.CurrentWav, e.Ramp);
    EXPECT_EQ(e.CurrentWav2, e.Saw);
}

class DescriptionTest : public PanelTest {
protected:
    void Open() {
        s.Click(500, 129);
        s.Update();
    }
    std::string Text() const { return e.Descriptions[e.WavInit].ToUtf8(); }
};

TEST_F(DescriptionTest, EnterFillsTheTextToTwentyOneCharacters) {
    e.WavInit = 4;
    e.Descriptions[4] = "old text";
    s.StartEditing();
    Open();
    EXPECT_EQ(e.InstDescriptionOn, 1);
    EXPECT_EQ(e.STATUS, 2);
    EXPECT_EQ(Text(), "");
    s.TypeEach("Lead");
    EXPECT_EQ(e.Track[1].Slice(0, 4), String("...."));  // typing is not note entry
    s.Press(KEY_ENTER);
    s.Update();
    EXPECT_EQ(Text(), "Lead" + std::string(17, ' '));
    EXPECT_EQ(e.InstDescriptionOn, 0);
    EXPECT_EQ(e.StatusInfo, String("Editing..."));  // left as it was
}

TEST_F(DescriptionTest, KeepsTheFirstTwentyOneCharacters) {
    Open();
    s.TypeEach("abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(Text(), "abcdefghijklmnopqrstu");
    s.Press(KEY_ENTER);
    s.Update();
    EXPECT_EQ(Text(), "abcdefghijklmnopqrstu");
}

TEST_F(DescriptionTest, DeleteEmptiesAndTypingGoesOn) {
    Open();
    s.TypeEach("bass");
    s.Press(KEY_DELETE);
    s.Update();
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(e.InstDescriptionOn, 1);
    s.TypeEach("kick");
    EXPECT_EQ(Text(), "kick");
}

TEST_F(DescriptionTest, NavigationKeysAreNotText) {
    Open();
    s.TypeEach("a");
    for (int key : {KEY_LEFT, KEY_UP, KEY_HOME, KEY_INSERT, KEY_TAB, KEY_BACKSPACE}) {
        s.Press(key);
        s.Update();
    }
    s.Type(0xE9);  // typed characters above ASCII are text
    s.Update();
    EXPECT_EQ(e.Descriptions[1], String("a") + String::FromChar(0xE9));
}

TEST_F(DescriptionTest, SilencesVoicesAndHoldsStandby) {
    Open();
    e.STATUS = 0;
    s.ClearAudio();
    s.Update();
    EXPECT_EQ(e.STATUS, 2);
    EXPECT_TRUE(s.Stopped(1) && s.Stopped(8));
}

TEST_F(DescriptionTest, OnlyClicksInsideTheFieldOpenIt) {
    for (auto [x, y] : {std::pair{396.0f, 129.0f}, {500.0f, 122.0f}, {500.0f, 136.0f}}) {
        s.Click(x, y);
        s.Update();
        EXPECT_EQ(e.InstDescriptionOn, 0) << x << "," << y;
    }
    e.STATUS = 1;  // not while playing
    Open();
    EXPECT_EQ(e.InstDescriptionOn, 0);
}

}  // namespace
