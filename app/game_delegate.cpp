// Device creation and the order of calls around each update and frame.
#include "app/game_delegate.h"

#include "app/app.h"
#include "app/glfw_game.h"
#include "framework/audio/audio.h"
#include "framework/audio/audio_device.h"
#include "framework/graphics/graphics.h"
#include "framework/graphics/graphics_device.h"
#include "framework/graphics/image.h"
#include "framework/input/input.h"
#include "framework/input/input_device.h"

namespace {

GameDelegate::DeviceFactories& Factories() {
    static GameDelegate::DeviceFactories factories = GameDelegate::DefaultFactories();
    return factories;
}

}  // namespace

GameDelegate::DeviceFactories GameDelegate::DefaultFactories() {
    DeviceFactories f;
    f.graphics = [] {
        return NewGlGraphics(
            [](int* w, int* h) {
                if (BBGlfwGame* game = BBGlfwGame::GlfwGame()) {
                    game->ClientSize(w, h);
                } else {
                    *w = *h = 0;
                }
            },
            [] {
                if (BBGlfwGame* game = BBGlfwGame::GlfwGame()) game->SwapBuffers();
            });
    };
    f.audio = [] { return NewOpenAlAudio(); };
    f.input = [] { return new InputDevice(); };
    return f;
}

void GameDelegate::SetFactories(DeviceFactories factories) {
    Factories() = std::move(factories);
}

void GameDelegate::StartGame() {
    const DeviceFactories& f = Factories();
    graphics_ = f.graphics ? f.graphics() : nullptr;
    SetGraphicsDevice(graphics_);
    SetFont(nullptr, 32);
    audio_ = f.audio ? f.audio() : nullptr;
    SetAudioDevice(audio_);
    input_ = f.input ? f.input() : nullptr;
    if (input_) {
        input_->SetJoystickPoller([](int port, JoyState& state) {
            BBGame* game = BBGame::Game();
            return game && game->PollJoystick(port, state);
        });
    }
    SetInputDevice(input_);
    if (App* app = CurrentApp()) app->OnCreate();
}

void GameDelegate::SuspendGame() {
    if (audio_) audio_->Suspend();
}

void GameDelegate::ResumeGame() {
    if (audio_) audio_->Resume();
}

void GameDelegate::UpdateGame() {
    if (input_) input_->BeginUpdate();
    if (App* app = CurrentApp()) app->OnUpdate();
    if (input_) input_->EndUpdate();
}

void GameDelegate::RenderGame() {
    // A device that is not ready (no window) draws nothing this frame.
    if (graphics_ && !graphics_->BeginRender()) return;
    BeginRender();
    if (App* app = CurrentApp()) app->OnRender();
    EndRender();
    if (graphics_) graphics_->EndRender();
}

void GameDelegate::KeyEvent(int event, int data) {
    if (input_) input_->KeyEvent(event, data);
    // The close request is checked on every down, also for a key already held.
    if (event == kEventKeyDown && data == KEY_CLOSE) {
        if (App* app = CurrentApp()) app->OnClose();
    }
}

void GameDelegate::MouseEvent(int event, int data, float x, float y) {
    if (input_) input_->MouseEvent(event, data, x, y);
}
