// The application base class and the app module.
#include "app/app.h"

#include "app/bbgame.h"
#include "app/game_delegate.h"
#include "framework/audio/audio.h"
#include "framework/graphics/graphics.h"
#include "framework/input/input.h"
#include "runtime/error.h"

namespace {
BBGameDelegate* g_delegate = nullptr;
App* g_app = nullptr;
int g_update_rate = 0;
}  // namespace

App::App() {
    if (g_app) bbError("App has already been created");
    g_app = this;
    // Lives as long as the process, like the app itself.
    g_delegate = new GameDelegate();
    if (BBGame* game = BBGame::Game()) game->SetDelegate(g_delegate);
}

int App::OnClose() {
    EndApp();
}

void SetUpdateRate(int hz) {
    g_update_rate = hz;
    if (BBGame* game = BBGame::Game()) game->SetUpdateRate(hz);
}

int UpdateRate() {
    return g_update_rate;
}

void EndApp() {
    bbError("");
}

App* CurrentApp() {
    return g_app;
}

BBGameDelegate* CurrentDelegate() {
    return g_delegate;
}

// The host game object registers itself when it is made, so there is one record.
BBGame* CurrentGame() {
    return BBGame::Game();
}

void ResetAppModule() {
    g_app = nullptr;
    g_delegate = nullptr;
    g_update_rate = 0;
}

void bbInit() {
    ResetAppModule();
    ResetGraphicsModule();
    SetAudioDevice(nullptr);
    SetInputDevice(nullptr);
}
