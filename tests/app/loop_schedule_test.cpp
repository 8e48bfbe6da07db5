// The main loop's timing rules, driven by a fake clock: nothing here waits.
#include "app/loop_schedule.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/glfw_game.h"

namespace {

constexpr double kPeriod = 1.0 / 50;

// A clock that moves only when the loop sleeps or waits, and a window whose
// state the test sets.
class FakePlatform : public LoopPlatform {
public:
    double Now() override { return now; }
    void Sleep(double seconds) override {
        ASSERT_GT(seconds, 0);
        sleeps.push_back(seconds);
        now += seconds;
    }
    void PollEvents() override { ++polls; }
    void WaitEvents() override {
        ++waits;
        // The next event arrives after a while; its callbacks run in the wait.
        now += wait_time;
        if (on_wait) on_wait();
    }
    bool WindowOpen() override { return open; }
    bool WindowIconified() override { return iconified; }
    bool WindowFocused() override { return focused; }

    double now = 100.0;
    double wait_time = 0.5;
    std::function<void()> on_wait;
    std::vector<double> sleeps;
    int polls = 0;
    int waits = 0;
    bool open = true;
    bool iconified = false;
    bool focused = true;
};

// Logs every call it gets, with the clock; starts at a rate like the tracker does.
class LogDelegate : public BBGameDelegate {
public:
    LogDelegate(BBGame& game, FakePlatform& clock, int rate)
        : game_(game), clock_(clock), rate_(rate) {}
    void StartGame() override {
        log.push_back("start");
        game_.SetUpdateRate(rate_);
    }
    void SuspendGame() override { log.push_back("suspend"); }
    void ResumeGame() override { log.push_back("resume"); }
    void UpdateGame() override {
        log.push_back("U");
        update_times.push_back(clock_.now);
        if (on_update) on_update();
    }
    void RenderGame() override { log.push_back("R"); }

    int Count(const std::string& what) const {
        int n = 0;
        for (const std::string& s : log) n += s == what;
        return n;
    }

    std::vector<std::string> log;
    std::vector<double> update_times;
    std::function<void()> on_update;

private:
    BBGame& game_;
    FakePlatform& clock_;
    int rate_;
};

class LoopScheduleTest : public ::testing::Test {
protected:
    void StartAt(int rate) {
        delegate = std::make_unique<LogDelegate>(game, clock, rate);
        game.SetDelegate(delegate.get());
        game.Schedule().Start();
    }
    // Runs loop passes until the clock reaches t.
    void RunUntil(double t) {
        while (clock.now < t) ASSERT_TRUE(game.Schedule().Step());
    }

    FakePlatform clock;
    BBGlfwGame game{&clock};
    std::unique_ptr<LogDelegate> delegate;
};

TEST_F(LoopScheduleTest, FirstFrameBeforeFirstUpdateWhichComesOnePeriodLater) {
    StartAt(50);
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"start", "R"}));
    ASSERT_TRUE(game.Schedule().Step());
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_NEAR(clock.sleeps[0], kPeriod, 1e-9);
    EXPECT_EQ(delegate->Count("U"), 0) << "a sleeping pass updates nothing";
    EXPECT_EQ(delegate->Count("R"), 1) << "and renders nothing";
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"start", "R", "U", "R"}));
    EXPECT_NEAR(delegate->update_times[0], 100.0 + kPeriod, 1e-9);
}

TEST_F(LoopScheduleTest, SteadyRateUpdatesFiftyTimesASecondWithARenderAfterEach) {
    StartAt(50);
    RunUntil(101.0 + kPeriod / 2);
    EXPECT_EQ(delegate->Count("U"), 50);
    EXPECT_EQ(delegate->Count("R"), 51);
    // Never busy-waits: every pass sleeps, updates or waits.
    EXPECT_EQ(clock.polls, static_cast<int>(clock.sleeps.size()) + delegate->Count("U"));
    for (double s : clock.sleeps) EXPECT_NEAR(s, kPeriod, 1e-9);
}

TEST_F(LoopScheduleTest, FourUpdatesCatchUpThenTheBacklogIsDropped) {
    StartAt(50);
    RunUntil(100.0 + kPeriod);
    ASSERT_TRUE(game.Schedule().Step());  // the update due now
    delegate->log.clear();

    // A stall of ten periods, e.g. a slow frame.
    clock.now += 10 * kPeriod;
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"U", "U", "U", "U", "R"}));
    EXPECT_DOUBLE_EQ(game.Schedule().NextUpdateTime(), clock.now);

    // The schedule restarts from now: one update, then back to one per period.
    delegate->log.clear();
    const double restart = clock.now;
    RunUntil(restart + 5 * kPeriod - 1e-9);
    EXPECT_EQ(delegate->Count("U"), 5) << "the missed updates are not made up";
    EXPECT_EQ(delegate->log.front(), "U");
    EXPECT_DOUBLE_EQ(delegate->update_times[delegate->update_times.size() - 5], restart);
}

TEST_F(LoopScheduleTest, ShortStallIsCaughtUpInOneBatchWithOneRender) {
    StartAt(50);
    RunUntil(100.0 + kPeriod);
    ASSERT_TRUE(game.Schedule().Step());
    delegate->log.clear();
    // Two more updates fell due during the stall: both run, then one frame.
    clock.now += 2.5 * kPeriod;
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"U", "U", "R"}));
    EXPECT_GT(game.Schedule().NextUpdateTime(), clock.now);
}

TEST_F(LoopScheduleTest, RateZeroBlocksOnEventsAndRendersOnlyWhenOneArrives) {
    StartAt(0);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->Count("U"), 0);
    EXPECT_EQ(clock.waits, 5);
    EXPECT_TRUE(clock.sleeps.empty());
    // The start frame, then one frame before each wait.
    EXPECT_EQ(delegate->Count("R"), 6);
}

TEST_F(LoopScheduleTest, RateDroppingToZeroInAnUpdateEndsTheBatch) {
    StartAt(50);
    RunUntil(100.0 + kPeriod);
    clock.now += 10 * kPeriod;
    delegate->on_update = [&] { game.SetUpdateRate(0); };
    delegate->log.clear();
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"U", "R"}));
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(clock.waits, 1);
}

TEST_F(LoopScheduleTest, MinimisingSuspendsAndRestoringResumesWithoutABurst) {
    StartAt(50);
    RunUntil(101.0);
    delegate->log.clear();

    clock.iconified = true;
    clock.focused = false;
    clock.wait_time = 3.0;  // minimised for a while
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"suspend"}))
        << "no updates or frames while minimised";
    EXPECT_TRUE(game.Suspended());
    EXPECT_TRUE(game.Schedule().Iconified());
    EXPECT_EQ(clock.waits, 3);

    // Restored but without the focus: still suspended.
    clock.iconified = false;
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_TRUE(game.Suspended());

    clock.focused = true;
    delegate->log.clear();
    const double back = clock.now;
    ASSERT_TRUE(game.Schedule().Step());
    EXPECT_EQ(delegate->log, (std::vector<std::string>{"resume", "U", "R"}));
    RunUntil(back + 1.0 - 1e-9);
    EXPECT_EQ(delegate->Count("U"), 50) << "nine seconds away, yet no catch-up burst";
}

TEST_F(LoopScheduleTest, LosingTheFocusAloneChangesNothing) {
    StartAt(50);
    clock.focused = false;
    RunUntil(101.0 + kPeriod / 2);
    EXPECT_EQ(delegate->Count("U"), 50);
    EXPECT_FALSE(game.Suspended());
}

TEST_F(LoopScheduleTest, ClosedWindowEndsTheLoop) {
    StartAt(50);
    clock.open = false;
    EXPECT_FALSE(game.Schedule().Step());
    EXPECT_EQ(delegate->Count("U"), 0);
}

TEST_F(LoopScheduleTest, MillisecsFollowsTheHostClock) {
    clock.now = 12.3456;
    EXPECT_EQ(game.Millisecs(), 12345);
}

}  // namespace
