// The platform-neutral host game object and the delegate it reports to.
#pragma once

#include <cstdio>
#include <exception>

#include "framework/input/input_device.h"
#include "runtime/string.h"

// Receiver of every host event; the base versions do nothing.
class BBGameDelegate {
public:
    virtual ~BBGameDelegate() = default;
    virtual void StartGame() {}
    virtual void SuspendGame() {}
    virtual void ResumeGame() {}
    virtual void UpdateGame() {}
    virtual void RenderGame() {}
    virtual void KeyEvent(int event, int data) { (void)event, (void)data; }
    virtual void MouseEvent(int event, int data, float x, float y) {
        (void)event, (void)data, (void)x, (void)y;
    }
    virtual void TouchEvent(int event, int data, float x, float y) {
        (void)event, (void)data, (void)x, (void)y;
    }
    virtual void MotionEvent(int event, int data, float x, float y, float z) {
        (void)event, (void)data, (void)x, (void)y, (void)z;
    }
    virtual void DiscardGraphics() {}
};

// There is one per process; constructing it makes it the current game.
class BBGame {
public:
    BBGame();
    BBGame(const BBGame&) = delete;
    BBGame& operator=(const BBGame&) = delete;
    virtual ~BBGame();

    // The current game, or null before one exists.
    static BBGame* Game();

    virtual void SetDelegate(BBGameDelegate* delegate);
    virtual BBGameDelegate* Delegate();
    virtual void SetKeyboardEnabled(bool enabled);
    virtual bool KeyboardEnabled();
    virtual void SetUpdateRate(int hz);
    virtual int UpdateRate();
    virtual bool Started();
    virtual bool Suspended();
    virtual int Millisecs();
    // Year, month (1-12), day, hours, minutes, seconds, milliseconds.
    virtual void GetDate(int date[7]);
    virtual int SaveState(const String& state);
    virtual String LoadState();
    virtual String LoadString(const String& path);
    // Reads one joystick port; false when there is none.
    virtual bool PollJoystick(int port, JoyState& state);
    virtual void OpenUrl(const String& url);
    virtual void SetMouseVisible(bool visible);
    virtual String PathToFilePath(const String& path);
    virtual std::FILE* OpenFile(const String& path, const String& mode);
    // std::malloc'ed contents (release with std::free), null when unreadable.
    virtual unsigned char* LoadData(const String& path, int* length);
    // The fatal path for an exception that escaped application code.
    [[noreturn]] virtual void Die(std::exception_ptr ex);

    // Guarded calls into the delegate.
    virtual void StartGame();
    virtual void SuspendGame();
    virtual void ResumeGame();
    virtual void UpdateGame();
    virtual void RenderGame();
    virtual void KeyEvent(int event, int data);
    virtual void MouseEvent(int event, int data, float x, float y);
    virtual void TouchEvent(int event, int data, float x, float y);
    virtual void MotionEvent(int event, int data, float x, float y, float z);
    virtual void DiscardGraphics();

protected:
    BBGameDelegate* delegate_ = nullptr;
    bool keyboard_enabled_ = false;
    int update_rate_ = 0;
    bool started_ = false;
    bool suspended_ = false;
};
