// The input device: held keys, hits per update, typed characters and the pointer,
// fed by the host's events and polled by the application during an update.
#pragma once

#include <functional>

#include "framework/input/keycodes.h"

// Host event codes.
constexpr int kEventKeyDown = 1;
constexpr int kEventKeyUp = 2;
constexpr int kEventChar = 3;
constexpr int kEventMouseDown = 4;
constexpr int kEventMouseUp = 5;
constexpr int kEventMouseMove = 6;

constexpr int kJoystickPorts = 4;
constexpr int kJoystickButtons = 32;

struct JoyState {
    float joyx[2] = {0, 0};
    float joyy[2] = {0, 0};
    float joyz[2] = {0, 0};
    bool buttons[kJoystickButtons] = {};
};

// Reads one joystick port into the state; false when no joystick is there. The
// host supplies one that asks the windowing layer; without one there are none.
using JoystickPoller = std::function<bool(int port, JoyState& state)>;

class InputDevice {
public:
    static constexpr int kHitQueueSize = 33;
    static constexpr int kCharQueueSize = 32;

    InputDevice() = default;
    virtual ~InputDevice() = default;

    // event 1 key down, 2 key up (data = key code), 3 character (data = code).
    virtual void KeyEvent(int event, int data);
    // event 4 button down, 5 button up (data = button 0..2), 6 move (data = -1).
    virtual void MouseEvent(int event, int data, float x, float y);

    // Before each update: polls the joysticks.
    void BeginUpdate();
    // After each update: clears the hits and the character queue.
    void EndUpdate();

    // Counts one hit for the key, unless the hit queue is full.
    void PutKeyHit(int key);

    int KeyDown(int key) const;
    int KeyHit(int key) const;
    int GetChar();
    float MouseX() const { return mouse_x_; }
    float MouseY() const { return mouse_y_; }
    float TouchX(int index) const;
    float TouchY(int index) const;
    const JoyState& Joystick(int port) const { return joysticks_[port]; }

    void SetJoystickPoller(JoystickPoller poller) { poller_ = std::move(poller); }

private:
    void KeyDownEvent(int key);
    void KeyUpEvent(int key);

    JoyState joysticks_[kJoystickPorts];
    bool key_down_[kKeyCount] = {};
    int hit_queue_length_ = 0;
    int hit_queue_[kHitQueueSize] = {};
    int key_hits_[kKeyCount] = {};
    int char_get_ = 0;
    int char_put_ = 0;
    int char_queue_[kCharQueueSize] = {};
    float mouse_x_ = 0;
    float mouse_y_ = 0;
    float touch_x_[32] = {};
    float touch_y_[32] = {};
    float accel_x_ = 0;
    float accel_y_ = 0;
    float accel_z_ = 0;
    JoystickPoller poller_;
};
