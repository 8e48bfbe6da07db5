// The desktop host: one GLFW window, its callbacks, the host clock and the loop.
#pragma once

#include <memory>

#include "app/bbgame.h"
#include "app/loop_schedule.h"

struct GLFWwindow;

class BBGlfwGame : public BBGame {
public:
    static constexpr int kWindowWidth = 640;
    static constexpr int kWindowHeight = 475;

    // platform: the clock, sleep and window the loop runs on; null for this game's
    // own GLFW window.
    explicit BBGlfwGame(LoopPlatform* platform = nullptr);
    ~BBGlfwGame() override;

    // The current game, when it is a BBGlfwGame.
    static BBGlfwGame* GlfwGame();

    void SetUpdateRate(int hz) override;
    int Millisecs() override;
    bool PollJoystick(int port, JoyState& state) override;
    void OpenUrl(const String& url) override;
    void SetMouseVisible(bool visible) override;
    String PathToFilePath(const String& path) override;

    // Pixels of an image file (std::malloc'ed, rows top to bottom), null on failure.
    virtual unsigned char* LoadImageData(const String& path, int* width, int* height,
                                         int* depth);
    // 16-bit PCM of a sound file (std::malloc'ed); null on failure.
    virtual unsigned char* LoadAudioData(const String& path, int* length, int* channels,
                                         int* format, int* hertz);
    // Opens the one window; an existing window is closed first.
    virtual void SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha,
                               int depth, int stencil, bool fullscreen);
    // Opens the window, starts the game and runs the loop until the window is gone.
    virtual void Run();

    GLFWwindow* Window() const { return window_; }
    // The window's client area; 0 x 0 without a window.
    void ClientSize(int* width, int* height);
    void SwapBuffers();
    LoopSchedule& Schedule() { return schedule_; }

private:
    class GlfwPlatform;

    static void OnKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void OnChar(GLFWwindow* window, unsigned int codepoint);
    static void OnMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void OnMousePos(GLFWwindow* window, double x, double y);
    static void OnWindowClose(GLFWwindow* window);

    GLFWwindow* window_ = nullptr;
    std::unique_ptr<GlfwPlatform> own_platform_;
    LoopPlatform* platform_;
    LoopSchedule schedule_;
};
