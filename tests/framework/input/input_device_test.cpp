// The input device's rules for hits, held keys, the character queue, the mouse,
// the twin keys 1 and 384, joysticks, and the module functions over it.
#include "framework/input/input_device.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/input/input.h"

namespace {

class InputDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { SetInputDevice(&dev); }
    void TearDown() override { SetInputDevice(nullptr); }

    void Down(int key) { dev.KeyEvent(kEventKeyDown, key); }
    void Up(int key) { dev.KeyEvent(kEventKeyUp, key); }
    void Char(int c) { dev.KeyEvent(kEventChar, c); }
    // One update of an application that reads nothing.
    void Update() {
        dev.BeginUpdate();
        dev.EndUpdate();
    }

    InputDevice dev;
};

TEST_F(InputDeviceTest, HeldKeyHitsOnceAndStaysDownUntilReleased) {
    Down(KEY_A);
    EXPECT_EQ(KeyHit(KEY_A), 1);
    EXPECT_EQ(KeyDown(KEY_A), 1);
    Update();
    for (int i = 0; i < 5; ++i) {
        Down(KEY_A);  // auto-repeat
        Char('a');
        EXPECT_EQ(KeyHit(KEY_A), 0);
        EXPECT_EQ(KeyDown(KEY_A), 1);
        EXPECT_EQ(GetChar(), 'a');  // the character repeats, the hit does not
        Update();
    }
    Up(KEY_A);
    EXPECT_EQ(KeyDown(KEY_A), 0);
    EXPECT_EQ(KeyHit(KEY_A), 0);
}

TEST_F(InputDeviceTest, PressReleasePressCountsTwoHits) {
    Down(KEY_SPACE);
    Up(KEY_SPACE);
    Down(KEY_SPACE);
    EXPECT_EQ(KeyHit(KEY_SPACE), 2);
    Update();
    EXPECT_EQ(KeyHit(KEY_SPACE), 0);
    EXPECT_EQ(KeyDown(KEY_SPACE), 1);
}

TEST_F(InputDeviceTest, HitQueueKeepsThirtyThreeHitsAndDropsTheRest) {
    // 17 press/release pairs of one key, then 17 other keys: 34 hits.
    for (int i = 0; i < 17; ++i) {
        Down(KEY_Q);
        Up(KEY_Q);
    }
    for (int k = 200; k < 217; ++k) Down(k);
    int total = KeyHit(KEY_Q);
    for (int k = 200; k < 217; ++k) total += KeyHit(k);
    EXPECT_EQ(KeyHit(KEY_Q), 17);
    EXPECT_EQ(total, InputDevice::kHitQueueSize);
    EXPECT_EQ(KeyHit(216), 0) << "the 34th hit is dropped";
    EXPECT_EQ(KeyDown(216), 1) << "a dropped hit still marks the key held";

    // After the update every counted hit is cleared and the queue has room again.
    Update();
    EXPECT_EQ(KeyHit(KEY_Q), 0);
    EXPECT_EQ(KeyHit(200), 0);
    Down(KEY_Q);
    EXPECT_EQ(KeyHit(KEY_Q), 1);
}

TEST_F(InputDeviceTest, CharacterQueueHoldsThirtyTwoAndIsEmptiedByTheUpdate) {
    for (int i = 0; i < 40; ++i) Char('A' + i);
    for (int i = 0; i < InputDevice::kCharQueueSize; ++i) ASSERT_EQ(GetChar(), 'A' + i);
    EXPECT_EQ(GetChar(), 0);

    // Three characters within one update, read once per update: two are lost.
    Char('q');
    Char('w');
    Char('e');
    EXPECT_EQ(GetChar(), 0) << "the queue is read once per update, not refilled";
    Update();
    Char('q');
    Char('w');
    Char('e');
    EXPECT_EQ(GetChar(), 'q');
    Update();
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputDeviceTest, LeftButtonAndFirstTouchAreTwins) {
    dev.MouseEvent(kEventMouseDown, 0, 100.5f, 40.0f);
    EXPECT_EQ(MouseHit(0), 1);
    EXPECT_EQ(KeyHit(KEY_LMB), 1);
    EXPECT_EQ(KeyHit(KEY_TOUCH0), 1);
    EXPECT_EQ(KeyDown(KEY_TOUCH0), 1);
    EXPECT_FLOAT_EQ(MouseX(), 100.5f);
    EXPECT_FLOAT_EQ(MouseY(), 40.0f);
    EXPECT_FLOAT_EQ(dev.TouchX(0), 100.5f);

    dev.MouseEvent(kEventMouseUp, 0, 300, 300);
    EXPECT_EQ(KeyDown(KEY_LMB), 0);
    EXPECT_EQ(KeyDown(KEY_TOUCH0), 0);
    EXPECT_FLOAT_EQ(MouseX(), 100.5f) << "button up leaves the position";

    // The twin goes down with 384 as well, and is released with it.
    Update();
    Down(KEY_TOUCH0);
    EXPECT_EQ(KeyDown(KEY_LMB), 1);
    EXPECT_EQ(KeyHit(KEY_LMB), 1);
    Up(KEY_TOUCH0);
    EXPECT_EQ(KeyDown(KEY_LMB), 0);
}

TEST_F(InputDeviceTest, OtherButtonsAndPointerMoves) {
    dev.MouseEvent(kEventMouseMove, -1, 12, 34);
    EXPECT_FLOAT_EQ(MouseX(), 12);
    EXPECT_FLOAT_EQ(MouseY(), 34);
    EXPECT_FLOAT_EQ(dev.TouchY(0), 34);
    dev.MouseEvent(kEventMouseDown, 1, 50, 60);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(KeyDown(KEY_RMB), 1);
    EXPECT_EQ(KeyDown(KEY_TOUCH0), 0);
    EXPECT_FLOAT_EQ(MouseX(), 50);
    dev.MouseEvent(kEventMouseDown, 2, 50, 60);
    EXPECT_EQ(KeyHit(KEY_MMB), 1);
}

TEST_F(InputDeviceTest, KeysOutsideTheRangeReadAsNotHeldAndNotHit) {
    for (int key : {0, -1, 512, 100000}) {
        Down(key);
        EXPECT_EQ(KeyDown(key), 0) << key;
        EXPECT_EQ(KeyHit(key), 0) << key;
    }
    EXPECT_EQ(MouseHit(-1), 0);
    EXPECT_EQ(MouseHit(511), 0);
    Down(511);
    EXPECT_EQ(KeyDown(511), 1);
    EXPECT_EQ(MouseHit(510), 1);
}

TEST_F(InputDeviceTest, JoystickButtonsBecomeKeysAndPollingStopsAtTheFirstMissingPort) {
    std::vector<int> polled;
    bool pressed = true;
    dev.SetJoystickPoller([&](int port, JoyState& s) {
        polled.push_back(port);
        if (port == 2) return false;
        s.buttons[5] = pressed && port == 1;
        s.joyx[0] = 0.5f;
        return true;
    });
    dev.BeginUpdate();
    EXPECT_EQ(polled, (std::vector<int>{0, 1, 2}));
    const int key = KEY_JOY0 + 32 * 1 + 5;
    EXPECT_EQ(KeyHit(key), 1);
    EXPECT_EQ(KeyDown(key), 1);
    EXPECT_FLOAT_EQ(dev.Joystick(1).joyx[0], 0.5f);
    dev.EndUpdate();
    dev.BeginUpdate();
    EXPECT_EQ(KeyHit(key), 0) << "a button held across polls hits once";
    EXPECT_EQ(KeyDown(key), 1);
    dev.EndUpdate();
    pressed = false;
    dev.BeginUpdate();
    EXPECT_EQ(KeyDown(key), 0);
}

TEST(InputModuleTest, NoDeviceReadsZero) {
    SetInputDevice(nullptr);
    EXPECT_EQ(KeyDown(KEY_A), 0);
    EXPECT_EQ(KeyHit(KEY_A), 0);
    EXPECT_EQ(MouseHit(0), 0);
    EXPECT_EQ(MouseX(), 0);
    EXPECT_EQ(MouseY(), 0);
    EXPECT_EQ(GetChar(), 0);
}

}  // namespace
