// The host game's guarded calls, the App and app module, and the delegate's order
// of calls around start, update, frame and key events, with recording devices.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/bbgame.h"
#include "app/game_delegate.h"
#include "framework/audio/audio.h"
#include "framework/audio/recording_audio.h"
#include "framework/graphics/graphics.h"
#include "framework/graphics/recording_graphics.h"
#include "framework/input/input.h"
#include "runtime/error.h"
#include "tests/support/stdout_capture.h"

namespace {

using ::testing::ExitedWithCode;

// Counts what reaches it, for the guard rules.
class CountingDelegate : public BBGameDelegate {
public:
    void StartGame() override { log += "start "; }
    void SuspendGame() override { log += "suspend "; }
    void ResumeGame() override { log += "resume "; }
    void UpdateGame() override { log += "update "; }
    void RenderGame() override { log += "render "; }
    void KeyEvent(int event, int data) override {
        log += "key" + std::to_string(event) + ":" + std::to_string(data) + " ";
    }
    void MouseEvent(int event, int, float, float) override {
        log += "mouse" + std::to_string(event) + " ";
    }
    std::string log;
};

TEST(BBGameTest, GuardedCallsForwardOnlyWhenTheirConditionHolds) {
    BBGame game;
    CountingDelegate d;
    game.SetDelegate(&d);
    EXPECT_EQ(BBGame::Game(), &game);

    // Not started: nothing gets through.
    game.SuspendGame();
    game.ResumeGame();
    game.UpdateGame();
    game.RenderGame();
    game.KeyEvent(1, 65);
    game.MouseEvent(4, 0, 1, 1);
    EXPECT_EQ(d.log, "");

    game.StartGame();
    game.StartGame();
    EXPECT_TRUE(game.Started());
    game.ResumeGame();  // not suspended
    game.UpdateGame();
    game.RenderGame();
    EXPECT_EQ(d.log, "start update render ");

    d.log.clear();
    game.SuspendGame();
    game.SuspendGame();
    EXPECT_TRUE(game.Suspended());
    game.UpdateGame();              // no updates while suspended
    game.RenderGame();              // renders are the loop's decision
    game.KeyEvent(1, 65);           // input still arrives
    game.MouseEvent(5, 0, 1, 1);
    game.ResumeGame();
    game.ResumeGame();
    game.UpdateGame();
    EXPECT_EQ(d.log, "suspend render key1:65 mouse5 resume update ");
}

TEST(BBGameTest, StoredValues) {
    BBGame game;
    EXPECT_EQ(game.Delegate(), nullptr);
    EXPECT_FALSE(game.KeyboardEnabled());
    game.SetKeyboardEnabled(true);
    EXPECT_TRUE(game.KeyboardEnabled());
    EXPECT_EQ(game.UpdateRate(), 0);
    game.SetUpdateRate(50);
    EXPECT_EQ(game.UpdateRate(), 50);
    game.StartGame();  // no delegate: nothing to call, no crash
    game.UpdateGame();
}

class ThrowingDelegate : public BBGameDelegate {
public:
    void UpdateGame() override { throw ThrowableObject(); }
    void RenderGame() override { throw std::runtime_error("not ours"); }
};

TEST(BBGameDeathTest, EscapingExceptionIsFatal) {
    BBGame game;
    ThrowingDelegate d;
    game.SetDelegate(&d);
    game.StartGame();
    EXPECT_EXIT(
        {
            StdoutToStderr();
            game.UpdateGame();
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : Uncaught Zorbit Exception\n$");
    EXPECT_EXIT(
        {
            StdoutToStderr();
            game.RenderGame();
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : Uncaught Zorbit Exception\n$");
}

// An application that notes what it sees of the devices and the input.
class ProbeApp : public App {
public:
    int OnCreate() override {
        log += "create ";
        graphics = GetGraphicsDevice();
        input = GetInputDevice();
        SetUpdateRate(50);
        return 0;
    }
    int OnUpdate() override {
        log += "update ";
        hits = KeyHit(KEY_A);
        character = GetChar();
        if (throw_in_update) throw ThrowableObject();
        return 0;
    }
    int OnRender() override {
        log += "render ";
        render_device = GetRenderDevice();
        DrawRect(1, 2, 3, 4);
        return 0;
    }
    std::string log;
    gxtkGraphics* graphics = nullptr;
    InputDevice* input = nullptr;
    gxtkGraphics* render_device = nullptr;
    int hits = -1;
    int character = -1;
    bool throw_in_update = false;
};

class DelegateTest : public ::testing::Test {
protected:
    void SetUp() override {
        bbInit();
        GameDelegate::DeviceFactories f;
        f.graphics = [this] { return recording = new RecordingGraphics(); };
        f.audio = [this] { return audio = new RecordingAudio(); };
        f.input = [] { return new InputDevice(); };
        GameDelegate::SetFactories(f);
        app = new ProbeApp();
    }
    void TearDown() override {
        GameDelegate::SetFactories(GameDelegate::DefaultFactories());
        bbInit();
    }

    BBGame game;
    ProbeApp* app = nullptr;  // lives on, like the program's one App
    RecordingGraphics* recording = nullptr;
    RecordingAudio* audio = nullptr;
};

TEST_F(DelegateTest, AppConstructorHandsTheDelegateToTheGame) {
    EXPECT_EQ(CurrentApp(), app);
    ASSERT_NE(CurrentDelegate(), nullptr);
    EXPECT_EQ(game.Delegate(), CurrentDelegate());
    EXPECT_EQ(CurrentGame(), &game);
}

TEST_F(DelegateTest, StartMakesTheDevicesBeforeOnCreateAndForwardsTheRate) {
    game.StartGame();
    EXPECT_EQ(app->log, "create ");
    ASSERT_NE(recording, nullptr);
    EXPECT_EQ(app->graphics, recording);
    ASSERT_NE(app->input, nullptr);
    EXPECT_EQ(app->input, GetInputDevice());
    EXPECT_EQ(GetAudioDevice(), audio);
    EXPECT_EQ(UpdateRate(), 50);
    EXPECT_EQ(game.UpdateRate(), 50) << "the module's rate reaches the game";
}

TEST_F(DelegateTest, UpdateSeesTheEventsAndClearsThemAfterwards) {
    game.StartGame();
    game.KeyEvent(1, KEY_A);
    game.KeyEvent(3, 'a');
    game.UpdateGame();
    EXPECT_EQ(app->hits, 1);
    EXPECT_EQ(app->character, 'a');
    EXPECT_EQ(KeyHit(KEY_A), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(KeyDown(KEY_A), 1);
    game.MouseEvent(6, -1, 33, 44);
    EXPECT_FLOAT_EQ(MouseX(), 33);
}

TEST_F(DelegateTest, FrameIsBracketedByDeviceAndModule) {
    game.StartGame();
    recording->Clear();
    game.RenderGame();
    EXPECT_EQ(app->render_device, recording) << "the module's render device during OnRender";
    EXPECT_EQ(GetRenderDevice(), nullptr) << "and none after the frame";
    const auto& calls = recording->Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().op, RecordedCall::BeginRender);
    // The device's end (and the flush it makes) come last.
    auto last = calls.rbegin();
    while (last != calls.rend() && last->op == RecordedCall::Flush) ++last;
    ASSERT_NE(last, calls.rend());
    EXPECT_EQ(last->op, RecordedCall::EndRender);
    EXPECT_EQ(recording->CountOf(RecordedCall::DrawRect), 1);
}

TEST_F(DelegateTest, MinimisingPausesTheAudioDevice) {
    game.StartGame();
    audio->Clear();
    game.SuspendGame();
    game.SuspendGame();
    game.ResumeGame();
    ASSERT_EQ(audio->Calls().size(), 2u);
    EXPECT_EQ(audio->Calls()[0].op, RecordingAudio::Op::Suspend);
    EXPECT_EQ(audio->Calls()[1].op, RecordingAudio::Op::Resume);
}

TEST_F(DelegateTest, CloseKeyEndsTheProgramWithStatusZero) {
    game.StartGame();
    game.KeyEvent(2, KEY_CLOSE);  // a release alone does nothing
    EXPECT_EXIT(game.KeyEvent(1, KEY_CLOSE), ExitedWithCode(0), "");
    game.SuspendGame();
    EXPECT_EXIT(game.KeyEvent(1, KEY_CLOSE), ExitedWithCode(0), "") << "also while minimised";
}

TEST_F(DelegateTest, ExceptionFromOnUpdateIsFatal) {
    game.StartGame();
    app->throw_in_update = true;
    EXPECT_EXIT(
        {
            StdoutToStderr();
            game.UpdateGame();
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : Uncaught Zorbit Exception\n$");
}

TEST_F(DelegateTest, SecondAppIsARuntimeError) {
    EXPECT_EXIT(
        {
            StdoutToStderr();
            new ProbeApp();
        },
        ExitedWithCode(255), "^Zorbit Runtime Error : App has already been created\n\n$");
}

TEST(AppModuleDeathTest, EndAppAndOnCloseEndWithStatusZero) {
    EXPECT_EXIT(EndApp(), ExitedWithCode(0), "");
    ResetAppModule();
    App* app = new App();
    EXPECT_EXIT(app->OnClose(), ExitedWithCode(0), "");
    ResetAppModule();
}

TEST(AppModuleTest, RateWithoutAGameIsOnlyStored) {
    ResetAppModule();
    SetUpdateRate(30);
    EXPECT_EQ(UpdateRate(), 30);
    ResetAppModule();
    EXPECT_EQ(UpdateRate(), 0);
}

}  // namespace
