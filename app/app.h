// The application base class and the app module's functions.
#pragma once

class App {
public:
    // Registers this object as the one application; a second is a runtime error.
    App();
    virtual ~App() = default;

    virtual int OnCreate() { return 0; }
    virtual int OnUpdate() { return 0; }
    virtual int OnRender() { return 0; }
    virtual int OnSuspend() { return 0; }
    virtual int OnResume() { return 0; }
    virtual int OnLoading() { return 0; }
    virtual int OnClose();
};

// Stores the rate and forwards it to the current game, if there is one.
void SetUpdateRate(int hz);
int UpdateRate();
// Ends the process at once with status 0.
[[noreturn]] void EndApp();

App* CurrentApp();
// Back to the start values of program start-up (no current app, rate 0).
void ResetAppModule();
