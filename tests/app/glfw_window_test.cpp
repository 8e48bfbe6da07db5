// The host's window and callbacks under the test display: the window it opens,
// and X events turned into the host's key, character, mouse and close events.
#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>
// After gtest and GLFW: Xlib defines macros such as None.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "app/glfw_game.h"
#include "framework/input/keycodes.h"
#include "tests/support/x11_close.h"

namespace {

struct Event {
    int event, data;
    float x, y;
    bool operator==(const Event& o) const { return event == o.event && data == o.data; }
};

void PrintTo(const Event& e, std::ostream* os) {
    *os << "{" << e.event << ", " << e.data << "}";
}

class RecordingDelegate : public BBGameDelegate {
public:
    void KeyEvent(int event, int data) override { events.push_back({event, data, 0, 0}); }
    void MouseEvent(int event, int data, float x, float y) override {
        events.push_back({event, data, x, y});
    }
    std::vector<Event> events;
};

class GlfwWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
        if (!glfwInit()) GTEST_SKIP() << "the windowing layer cannot start";
        game = std::make_unique<BBGlfwGame>();
        game->SetDelegate(&delegate);
        game->SetGlfwWindow(640, 475, 8, 8, 8, 0, 0, 0, false);
        game->StartGame();
        sender = XOpenDisplay(nullptr);
        ASSERT_NE(sender, nullptr);
        window = glfwGetX11Window(game->Window());
        // What the window's opening raised (the pointer entering it) is not ours.
        XSync(sender, False);
        for (int i = 0; i < 5; ++i) glfwWaitEventsTimeout(0.01);
        delegate.events.clear();
    }
    void TearDown() override {
        if (sender) XCloseDisplay(sender);
        game.reset();
        glfwTerminate();
    }

    void SendKey(KeySym sym, bool press) {
        XEvent ev{};
        ev.xkey.type = press ? KeyPress : KeyRelease;
        ev.xkey.display = sender;
        ev.xkey.window = window;
        ev.xkey.root = DefaultRootWindow(sender);
        ev.xkey.time = CurrentTime;
        ev.xkey.same_screen = True;
        ev.xkey.keycode = XKeysymToKeycode(sender, sym);
        XSendEvent(sender, window, True, press ? KeyPressMask : KeyReleaseMask, &ev);
        XFlush(sender);
    }
    void SendButton(unsigned int button, bool press, int x, int y) {
        XEvent ev{};
        ev.xbutton.type = press ? ButtonPress : ButtonRelease;
        ev.xbutton.display = sender;
        ev.xbutton.window = window;
        ev.xbutton.root = DefaultRootWindow(sender);
        ev.xbutton.button = button;
        ev.xbutton.x = x;
        ev.xbutton.y = y;
        ev.xbutton.same_screen = True;
        XSendEvent(sender, window, True, press ? ButtonPressMask : ButtonReleaseMask, &ev);
        XFlush(sender);
    }
    void SendMotion(int x, int y) {
        XEvent ev{};
        ev.xmotion.type = MotionNotify;
        ev.xmotion.display = sender;
        ev.xmotion.window = window;
        ev.xmotion.root = DefaultRootWindow(sender);
        ev.xmotion.x = x;
        ev.xmotion.y = y;
        ev.xmotion.same_screen = True;
        XSendEvent(sender, window, True, PointerMotionMask, &ev);
        XFlush(sender);
    }
    // Polls until n events have reached the delegate (or a second has passed).
    void PollFor(size_t n) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (delegate.events.size() < n && std::chrono::steady_clock::now() < end) {
            glfwWaitEventsTimeout(0.01);
        }
    }

    RecordingDelegate delegate;
    std::unique_ptr<BBGlfwGame> game;
    Display* sender = nullptr;
    Window window = 0;
};

TEST_F(GlfwWindowTest, OneFixedSizeWindow) {
    int w = 0, h = 0;
    game->ClientSize(&w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 475);
    EXPECT_EQ(glfwGetWindowAttrib(game->Window(), GLFW_RESIZABLE), GLFW_FALSE);
    EXPECT_EQ(glfwGetCurrentContext(), game->Window());
    EXPECT_EQ(BBGlfwGame::GlfwGame(), game.get());
}

TEST_F(GlfwWindowTest, EditingKeyGivesKeyAndCharacter) {
    SendKey(XK_Left, true);
    SendKey(XK_Left, false);
    PollFor(3);
    EXPECT_EQ(delegate.events, (std::vector<Event>{{1, KEY_LEFT, 0, 0},
                                                    {3, CHAR_LEFT, 0, 0},
                                                    {2, KEY_LEFT, 0, 0}}));
}

TEST_F(GlfwWindowTest, LetterGivesItsKeyAndTypedCharacter) {
    SendKey(XK_q, true);
    PollFor(2);
    ASSERT_GE(delegate.events.size(), 2u);
    EXPECT_EQ(delegate.events[0], (Event{1, KEY_Q, 0, 0}));
    EXPECT_EQ(delegate.events[1], (Event{3, 'q', 0, 0}));
}

TEST_F(GlfwWindowTest, KeyWithoutACodeRaisesNothing) {
    // Keypad Enter has no key code and types nothing: no events at all.
    SendKey(XK_KP_Enter, true);
    SendKey(XK_Delete, true);
    PollFor(2);
    EXPECT_EQ(delegate.events, (std::vector<Event>{{1, KEY_DELETE, 0, 0},
                                                    {3, CHAR_DELETE, 0, 0}}));
}

TEST_F(GlfwWindowTest, MouseButtonsAndPointer) {
    SendMotion(120, 80);
    SendButton(Button1, true, 120, 80);
    SendButton(Button3, false, 120, 80);
    PollFor(3);
    ASSERT_EQ(delegate.events.size(), 3u);
    EXPECT_EQ(delegate.events[0], (Event{6, -1, 0, 0}));
    EXPECT_FLOAT_EQ(delegate.events[0].x, 120);
    EXPECT_FLOAT_EQ(delegate.events[0].y, 80);
    EXPECT_EQ(delegate.events[1], (Event{4, 0, 0, 0}));
    EXPECT_EQ(delegate.events[2], (Event{5, 1, 0, 0}));
}

TEST_F(GlfwWindowTest, CloseRequestBecomesTheCloseKeyAndKeepsTheWindow) {
    SendDeleteWindow(sender, window);
    PollFor(2);
    EXPECT_EQ(delegate.events, (std::vector<Event>{{1, KEY_CLOSE, 0, 0}, {2, KEY_CLOSE, 0, 0}}));
    EXPECT_FALSE(glfwWindowShouldClose(game->Window())) << "the application decides";
}

}  // namespace
