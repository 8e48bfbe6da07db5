// The GLFW host: window, callbacks, clock and the loop's platform.
#include "app/glfw_game.h"

#include <GLFW/glfw3.h>
#include <spawn.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/key_map.h"
#include "framework/audio/audio_data.h"
#include "framework/files/files.h"
#include "framework/graphics/graphics_device.h"
#include "framework/input/keycodes.h"
#include "runtime/error.h"

extern char** environ;

class BBGlfwGame::GlfwPlatform : public LoopPlatform {
public:
    explicit GlfwPlatform(BBGlfwGame& game) : game_(game) {}

    double Now() override { return glfwGetTime(); }
    void Sleep(double seconds) override {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }
    void PollEvents() override { glfwPollEvents(); }
    void WaitEvents() override { glfwWaitEvents(); }
    bool WindowOpen() override {
        return game_.window_ && !glfwWindowShouldClose(game_.window_);
    }
    bool WindowIconified() override {
        return game_.window_ && glfwGetWindowAttrib(game_.window_, GLFW_ICONIFIED);
    }
    bool WindowFocused() override {
        return game_.window_ && glfwGetWindowAttrib(game_.window_, GLFW_FOCUSED);
    }

private:
    BBGlfwGame& game_;
};

BBGlfwGame::BBGlfwGame(LoopPlatform* platform)
    : own_platform_(platform ? nullptr : std::make_unique<GlfwPlatform>(*this)),
      platform_(platform ? platform : own_platform_.get()),
      schedule_(*this, *platform_) {}

BBGlfwGame::~BBGlfwGame() {
    if (window_) glfwDestroyWindow(window_);
}

BBGlfwGame* BBGlfwGame::GlfwGame() {
    return dynamic_cast<BBGlfwGame*>(BBGame::Game());
}

void BBGlfwGame::SetUpdateRate(int hz) {
    BBGame::SetUpdateRate(hz);
    schedule_.SetRate(hz);
}

int BBGlfwGame::Millisecs() {
    return static_cast<int>(platform_->Now() * 1000.0);
}

bool BBGlfwGame::PollJoystick(int port, JoyState& state) {
    const int jid = GLFW_JOYSTICK_1 + port;
    if (port < 0 || jid > GLFW_JOYSTICK_LAST || !glfwJoystickPresent(jid)) return false;
    int axisCount = 0;
    const float* axes = glfwGetJoystickAxes(jid, &axisCount);
    // Axes pair up as (x, y) of the left stick, (z) and the right stick.
    float* slots[6] = {&state.joyx[0], &state.joyy[0], &state.joyz[0],
                       &state.joyx[1], &state.joyy[1], &state.joyz[1]};
    for (int i = 0; i < 6; ++i) *slots[i] = axes && i < axisCount ? axes[i] : 0.0f;
    int buttonCount = 0;
    const unsigned char* buttons = glfwGetJoystickButtons(jid, &buttonCount);
    for (int b = 0; b < kJoystickButtons; ++b) {
        state.buttons[b] = buttons && b < buttonCount && buttons[b] == GLFW_PRESS;
    }
    return true;
}

void BBGlfwGame::OpenUrl(const String& url) {
    // Handed to the desktop's opener directly, never through a shell.
    const std::string u = url.ToUtf8();
    char opener[] = "xdg-open";
    char* argv[] = {opener, const_cast<char*>(u.c_str()), nullptr};
    pid_t pid;
    posix_spawnp(&pid, opener, nullptr, nullptr, argv, environ);
}

void BBGlfwGame::SetMouseVisible(bool visible) {
    if (window_) {
        glfwSetInputMode(window_, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
    }
}

String BBGlfwGame::PathToFilePath(const String& path) {
    return ::PathToFilePath(path);
}

unsigned char* BBGlfwGame::LoadImageData(const String& path, int* width, int* height,
                                         int* depth) {
    return ::LoadImageData(path, width, height, depth);
}

unsigned char* BBGlfwGame::LoadAudioData(const String& path, int* length, int* channels,
                                         int* format, int* hertz) {
    AudioData data;
    if (!::LoadAudioData(path, data)) return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(data.pcm.empty() ? 1 : data.pcm.size()));
    if (!block) return nullptr;
    std::memcpy(block, data.pcm.data(), data.pcm.size());
    *length = data.length;
    *channels = data.channels;
    *format = data.format;
    *hertz = data.hertz;
    return block;
}

void BBGlfwGame::SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha,
                               int depth, int stencil, bool fullscreen) {
    // Keys still held in the old window would otherwise stay down for good.
    if (window_) {
        for (int key = 0; key <= GLFW_KEY_LAST; ++key) {
            const int code = MapGlfwKey(key, glfwGetKeyName(key, 0));
            if (code && glfwGetKey(window_, key) == GLFW_PRESS) KeyEvent(kEventKeyUp, code);
        }
    }

    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* desktop = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (window_) {
        glfwDestroyWindow(window_);
        window_ = nullptr;
    }

    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_RED_BITS, red);
    glfwWindowHint(GLFW_GREEN_BITS, green);
    glfwWindowHint(GLFW_BLUE_BITS, blue);
    glfwWindowHint(GLFW_ALPHA_BITS, alpha);
    glfwWindowHint(GLFW_DEPTH_BITS, depth);
    glfwWindowHint(GLFW_STENCIL_BITS, stencil);
    if (!fullscreen) glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window_ = glfwCreateWindow(width, height, "quadtracker", fullscreen ? monitor : nullptr,
                               nullptr);
    if (!window_) bbError("glfwCreateWindow failed: could not open a " + String(width) +
                          " x " + String(height) + " window");
    IncrementGraphicsSequence();

    if (!fullscreen) {
        // Centred on the desktop, and shown only once it is in place.
        if (desktop) {
            glfwSetWindowPos(window_, (desktop->width - width) / 2, (desktop->height - height) / 2);
        }
        glfwShowWindow(window_);
    }
    glfwMakeContextCurrent(window_);

    glfwSetKeyCallback(window_, OnKey);
    glfwSetCharCallback(window_, OnChar);
    glfwSetMouseButtonCallback(window_, OnMouseButton);
    glfwSetCursorPosCallback(window_, OnMousePos);
    glfwSetWindowCloseCallback(window_, OnWindowClose);
}

void BBGlfwGame::Run() {
    SetGlfwWindow(kWindowWidth, kWindowHeight, 8, 8, 8, 0, 0, 0, false);
    schedule_.Run();
}

void BBGlfwGame::ClientSize(int* width, int* height) {
    *width = 0;
    *height = 0;
    if (window_) glfwGetFramebufferSize(window_, width, height);
}

void BBGlfwGame::SwapBuffers() {
    if (window_) glfwSwapBuffers(window_);
}

void BBGlfwGame::OnKey(GLFWwindow*, int key, int scancode, int action, int) {
    BBGlfwGame* game = GlfwGame();
    if (!game) return;
    const int code = MapGlfwKey(key, key == GLFW_KEY_UNKNOWN ? nullptr
                                                             : glfwGetKeyName(key, scancode));
    if (!code) return;
    if (action == GLFW_RELEASE) {
        game->KeyEvent(kEventKeyUp, code);
        return;
    }
    // Presses and auto-repeats alike; the device ignores a held key's repeats.
    game->KeyEvent(kEventKeyDown, code);
    if (const int c = EditingKeyChar(code)) game->KeyEvent(kEventChar, c);
}

void BBGlfwGame::OnChar(GLFWwindow*, unsigned int codepoint) {
    if (BBGlfwGame* game = GlfwGame()) game->KeyEvent(kEventChar, static_cast<int>(codepoint));
}

void BBGlfwGame::OnMouseButton(GLFWwindow* window, int button, int action, int) {
    BBGlfwGame* game = GlfwGame();
    if (!game || button < 0 || button > 2) return;
    double x = 0, y = 0;
    glfwGetCursorPos(window, &x, &y);
    game->MouseEvent(action == GLFW_PRESS ? kEventMouseDown : kEventMouseUp, button,
                     static_cast<float>(x), static_cast<float>(y));
}

void BBGlfwGame::OnMousePos(GLFWwindow*, double x, double y) {
    if (BBGlfwGame* game = GlfwGame()) {
        game->MouseEvent(kEventMouseMove, -1, static_cast<float>(x), static_cast<float>(y));
    }
}

void BBGlfwGame::OnWindowClose(GLFWwindow* window) {
    // The application decides: the close key's down ends the program.
    glfwSetWindowShouldClose(window, GLFW_FALSE);
    if (BBGlfwGame* game = GlfwGame()) {
        game->KeyEvent(kEventKeyDown, KEY_CLOSE);
        game->KeyEvent(kEventKeyUp, KEY_CLOSE);
    }
}
