// The fixed-rate update loop with bounded catch-up.
#include "app/loop_schedule.h"

void LoopSchedule::SetRate(int hz) {
    if (hz == 0) return;
    update_period_ = 1.0 / hz;
    next_update_time_ = platform_.Now() + update_period_;
}

void LoopSchedule::Start() {
    game_.StartGame();
    game_.RenderGame();
}

bool LoopSchedule::Step() {
    platform_.PollEvents();
    if (!platform_.WindowOpen()) return false;

    if (platform_.WindowIconified()) {
        if (!game_.Suspended()) {
            iconified_ = true;
            game_.SuspendGame();
        }
    } else if (platform_.WindowFocused() && game_.Suspended()) {
        iconified_ = false;
        game_.ResumeGame();
        // Restart the schedule from now: no burst for the time spent minimised.
        next_update_time_ = platform_.Now();
    }

    if (game_.UpdateRate() != 0 && !game_.Suspended()) {
        const double delay = next_update_time_ - platform_.Now();
        if (delay > 0) {
            platform_.Sleep(delay);
            return true;
        }
        for (int i = 0; i < kMaxCatchUp; ++i) {
            next_update_time_ += update_period_;
            game_.UpdateGame();
            if (game_.UpdateRate() == 0 || next_update_time_ - platform_.Now() > 0) {
                game_.RenderGame();
                return true;
            }
        }
        // Still behind after the catch-up: the missed updates are dropped.
        game_.RenderGame();
        if (game_.UpdateRate() != 0) next_update_time_ = platform_.Now();
        return true;
    }

    if (!iconified_) game_.RenderGame();
    platform_.WaitEvents();
    return true;
}

void LoopSchedule::Run() {
    Start();
    while (Step()) {
    }
}
