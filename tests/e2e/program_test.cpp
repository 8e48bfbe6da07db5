// The real program under X: keystrokes and clicks sent to its window with xdotool
// type a short tune, set an instrument parameter and save the song; the file on
// disk must hold exactly that song.
#include <gtest/gtest.h>
// After gtest: Xlib defines macros such as None.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "tests/support/x11_close.h"

namespace fs = std::filesystem;

namespace {

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
        ::pclose(p);
    }
    return out;
}

bool Xdo(const std::string& args) {
    return std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Block(const std::string& start, char fill) {
    return start + std::string(32 - start.size(), fill);
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The close request, on a connection of its own.
void SendDeleteWindow(Window w) {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return;
    SendDeleteWindow(dpy, w);
    XCloseDisplay(dpy);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no X display";
        if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "no xdotool";
        StartPrivateServer();
        dir_ = fs::temp_directory_path() / ("qt_e2e_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::copy(fs::path(QT_BINARY_DIR) / "data", dir_ / "data", fs::copy_options::recursive);
        fs::remove_all(dir_ / "data" / "songs");
        fs::create_directories(dir_ / "data" / "songs");
    }

    void TearDown() override {
        Stop();
        if (!dir_.empty()) fs::remove_all(dir_);
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
        }
    }

    // Window tests running beside this one share the display, and without a window
    // manager their windows could take the focus or the clicks. A server of its
    // own, when Xvfb is there, keeps every keystroke and click on this program.
    void StartPrivateServer() {
        if (std::system("command -v Xvfb >/dev/null 2>&1") != 0) return;
        for (int n = 140; n < 180; ++n) {
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
            const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
            if (fs::exists(socket) || fs::exists(lock)) continue;
            const std::string name = ":" + std::to_string(n);
            server_ = ::fork();
            if (server_ == 0) {
                std::freopen("/dev/null", "w", stderr);
                ::execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "800x600x24", "-nolisten",
                         "tcp", static_cast<char*>(nullptr));
                ::_exit(127);
            }
            for (int k = 0; k < 50 && !fs::exists(socket); ++k) Sleep(50);
            if (fs::exists(socket)) {
                ::setenv("DISPLAY", name.c_str(), 1);
                return;
            }
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
            server_ = -1;
        }
    }

    void Start() {
        const std::string program = std::string(QT_BINARY_DIR) + "/quadtracker";
        pid_ = ::fork();
        if (pid_ == 0) {
            if (::chdir(dir_.c_str()) != 0) ::_exit(127);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(pid_, 0);
    }

    // Closes the window as a user would; true when the program ended by itself.
    bool Close() {
        if (pid_ <= 0 || window_.empty()) return false;
        SendDeleteWindow(static_cast<Window>(std::stoul(window_)));
        for (int n = 0; n < 100; ++n) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
            Sleep(50);
        }
        return false;
    }

    void Stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    // The id of the program's visible window, waiting for it up to ten seconds.
    std::string FindWindow() {
        for (int n = 0; n < 100; ++n) {
            std::string id = Output("xdotool search --onlyvisible --pid " + std::to_string(pid_) +
                                 " 2>/dev/null | head -n 1");
            while (!id.empty() && (id.back() == '\n' || id.back() == ' ')) id.pop_back();
            if (!id.empty()) return id;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return "";
            }
            Sleep(100);
        }
        return "";
    }

    // Keys go one by one with pauses of several updates, so that each typed
    // character reaches its own update.
    void Keys(const std::string& keys) { ASSERT_TRUE(Xdo("key --delay 120 " + keys)) << keys; }
    void ClickAt(int x, int y) {
        ASSERT_TRUE(Xdo("mousemove --window " + window_ + " " + std::to_string(x) + " " +
                        std::to_string(y)));
        Sleep(60);
        ASSERT_TRUE(Xdo("click 1"));
        Sleep(100);
    }

    fs::path dir_;
    pid_t pid_ = -1;
    pid_t server_ = -1;
    std::string window_;
};

TEST_F(ProgramTest, TypedTuneIsSavedExactly) {
    Start();
    window_ = FindWindow();
    ASSERT_FALSE(window_.empty()) << "the program opened no window";
    ASSERT_TRUE(Xdo("windowfocus --sync " + window_));
    Sleep(300);

    Keys("space");                 // standby to editing
    Keys("q w e period t");        // four notes and an empty row down channel 1
    Keys("Tab y");                 // channel 2, row 1 (the cursor stays on row 6)
    ClickAt(561 + 24, 168 + 8);    // WAV of instrument 1: 1 to 2
    ClickAt(561 + 24, 168 + 8);    // and to 3
    ClickAt(100, 450);             // the file name field
    Keys("t u n e Return F11");

    const fs::path song = dir_ / "data" / "songs" / "tune";
    for (int n = 0; n < 50 && !fs::exists(song); ++n) Sleep(100);
    ASSERT_TRUE(fs::exists(song)) << "nothing was saved";
    EXPECT_TRUE(Close()) << "the close request did not end the program";
    EXPECT_TRUE(fs::exists(dir_ / "data" / "songs" / "tune.bk"));
    EXPECT_TRUE(fs::exists(dir_ / "data" / "songs" / "tune.ba"));

    // Channel 1: q w e . t on rows 0-4 (instrument 1, octave 2, volume 8; the "."
    // row keeps volume 0 and clears instrument and octave). Channel 2: y on row 5.
    std::string expected = "PSG1";
    expected += '\x01';  // one song position
    expected += '\x05';  // speed 5
    expected += '\x01';  // one pattern stored
    expected += Block("qwe.t", '.') + Block(".....y", '.') + Block("", '.') + Block("", '.');
    expected += Block("88808", '0') + Block("000008", '0') + Block("", '0') + Block("", '0');
    expected += Block("11101", '0') + Block("000001", '0') + Block("", '0') + Block("", '0');
    expected += Block("22202", '0') + Block("000002", '0') + Block("", '0') + Block("", '0');
    expected += std::string(256, '\0');
    std::string instruments(249, '\0');
    instruments[8] = 3;   // WAV of instrument 1, raised twice from its minimum 1
    instruments[12] = 1;  // ENV of instrument 1, held at its minimum
    expected += instruments;
    expected += std::string(31 * 21, ' ');
    expected += std::string(7, '\0');  // instrument 31's last entries close the file
    const std::string saved = ReadBytes(song);
    EXPECT_EQ(saved.size(), expected.size());
    EXPECT_TRUE(saved == expected);
    for (size_t k = 0; k < saved.size() && k < expected.size(); ++k) {
        if (saved[k] != expected[k]) {
            ADD_FAILURE() << "first difference at byte " << k << ": " << int(saved[k]) << " instead of "
                          << int(expected[k]);
            break;
        }
    }
}

}  // namespace
