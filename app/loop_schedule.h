// The main loop's schedule: when to update, when to render, when to sleep and when
// to block on window events. The clock, the sleep and the window are injected so
// that the rules can be driven by a fake clock.
#pragma once

#include "app/bbgame.h"

// What the loop asks of the platform.
class LoopPlatform {
public:
    virtual ~LoopPlatform() = default;
    // Seconds on the host clock.
    virtual double Now() = 0;
    virtual void Sleep(double seconds) = 0;
    // Runs the window callbacks of every pending event.
    virtual void PollEvents() = 0;
    // Blocks until at least one event arrives, then runs the callbacks.
    virtual void WaitEvents() = 0;
    virtual bool WindowOpen() = 0;
    virtual bool WindowIconified() = 0;
    virtual bool WindowFocused() = 0;
};

class LoopSchedule {
public:
    // Catch-up limit: after this many updates in a row the backlog is dropped.
    static constexpr int kMaxCatchUp = 4;

    LoopSchedule(BBGame& game, LoopPlatform& platform) : game_(game), platform_(platform) {}

    // Called with every change of the game's update rate.
    void SetRate(int hz);

    // Starts the game and draws its first frame before any update.
    void Start();
    // One pass of the loop; false once the window is gone.
    bool Step();
    // Start, then steps until the window is gone.
    void Run();

    bool Iconified() const { return iconified_; }
    double NextUpdateTime() const { return next_update_time_; }
    double UpdatePeriod() const { return update_period_; }

private:
    BBGame& game_;
    LoopPlatform& platform_;
    bool iconified_ = false;
    double next_update_time_ = 0;
    double update_period_ = 0;
};
