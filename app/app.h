// The application base class and the app module's functions.
#pragma once

class BBGame;
class BBGameDelegate;

class App {
public:
    // Registers this object as the one application, creates the delegate through
    // which the host reaches it and hands that to the current game. A second App
    // is a runtime error.
    App();
    virtual ~App() = default;

    virtual int OnCreate() { return 0; }
    virtual int OnUpdate() { return 0; }
    virtual int OnRender() { return 0; }
    virtual int OnSuspend() { return 0; }
    virtual int OnResume() { return 0; }
    virtual int OnLoading() { return 0; }
    // Ends the program (EndApp).
    virtual int OnClose();
};

// Stores the rate and forwards it to the current game, if there is one.
void SetUpdateRate(int hz);
int UpdateRate();
// Ends the process at once with status 0.
[[noreturn]] void EndApp();

App* CurrentApp();
BBGameDelegate* CurrentDelegate();
BBGame* CurrentGame();
// Back to the start values of program start-up: no current app or delegate, rate
// 0, and the current game is the host game object (if one exists).
void ResetAppModule();

// Start values of every framework global: the app module as above, no graphics,
// audio or input device, a fresh drawing context and Image default flags 0.
void bbInit();
