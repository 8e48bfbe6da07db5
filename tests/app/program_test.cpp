// The real program under the test display: it opens its 640 x 475 window, keeps
// running, and a window-manager close request ends it with status 0. Without any
// display it says so and ends with status -1.
#include <gtest/gtest.h>
// After gtest: Xlib defines macros such as None.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/x11_close.h"

namespace {

using Clock = std::chrono::steady_clock;

// build/quadtracker started from build/, its standard output going to a file.
class Program {
public:
    explicit Program(bool withDisplay)
        : out_(std::string(QT_BINARY_DIR) + "/tests/program_test_" + std::to_string(getpid()) +
               (withDisplay ? ".out" : "_nodisplay.out")) {
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(QT_BINARY_DIR) != 0) _exit(99);
            FILE* f = std::freopen(out_.c_str(), "w", stdout);
            if (!f) _exit(98);
            if (!withDisplay) {
                unsetenv("DISPLAY");
                unsetenv("WAYLAND_DISPLAY");
            }
            execl("./quadtracker", "quadtracker", static_cast<char*>(nullptr));
            _exit(97);
        }
    }
    ~Program() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::remove(out_.c_str());
    }

    pid_t Pid() const { return pid_; }

    // True while the process has not ended.
    bool Running() {
        if (reaped_) return false;
        if (waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
        return !reaped_;
    }

    // Waits for the end; false when it does not come within the time.
    bool WaitForExit(double seconds) {
        const auto end = Clock::now() + std::chrono::duration<double>(seconds);
        while (Running()) {
            if (Clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    int ExitStatus() const { return status_; }

    std::string Output() const {
        std::ifstream in(out_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::string out_;
    pid_t pid_ = -1;
    int status_ = 0;
    bool reaped_ = false;
};

// The top-level window whose _NET_WM_PID is pid, or 0.
Window FindWindowOf(Display* dpy, pid_t pid) {
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(dpy, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) == Success &&
            data) {
            if (items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid) {
                found = children[i];
            }
            XFree(data);
        }
    }
    if (children) XFree(children);
    return found;
}

TEST(ProgramTest, OpensItsWindowKeepsRunningAndClosesWithStatusZero) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "no display";
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) GTEST_SKIP() << "display " << display << " cannot be opened";

    Program program(true);
    ASSERT_GT(program.Pid(), 0);
    Window w = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!w && program.Running() && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        w = FindWindowOf(dpy, program.Pid());
    }
    ASSERT_NE(w, 0u) << "no window; output:\n" << program.Output();

    XWindowAttributes attrs;
    ASSERT_TRUE(XGetWindowAttributes(dpy, w, &attrs));
    EXPECT_EQ(attrs.width, 640);
    EXPECT_EQ(attrs.height, 475);
    // Not resizable: the size hints pin the minimum and maximum to the size.
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(dpy, w, &hints, &supplied));
    EXPECT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize));
    EXPECT_EQ(hints.min_width, 640);
    EXPECT_EQ(hints.max_width, 640);
    EXPECT_EQ(hints.min_height, 475);
    EXPECT_EQ(hints.max_height, 475);

    // It keeps running (its loop ticks on its own) until asked to close.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(program.Running()) << "ended by itself; output:\n" << program.Output();

    SendDeleteWindow(dpy, w);
    ASSERT_TRUE(program.WaitForExit(10)) << "the close request did not end the program";
    EXPECT_TRUE(WIFEXITED(program.ExitStatus())) << "status " << program.ExitStatus();
    EXPECT_EQ(WEXITSTATUS(program.ExitStatus()), 0) << "output:\n" << program.Output();
    XCloseDisplay(dpy);
}

TEST(ProgramTest, WithoutADisplayItSaysSoAndEndsWithStatusMinusOne) {
    Program program(false);
    ASSERT_GT(program.Pid(), 0);
    ASSERT_TRUE(program.WaitForExit(10));
    ASSERT_TRUE(WIFEXITED(program.ExitStatus()));
    EXPECT_EQ(WEXITSTATUS(program.ExitStatus()), 255);
    EXPECT_EQ(program.Output(), "glfwInit failed\n");
}

}  // namespace
