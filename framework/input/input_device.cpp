// Turns host events into polled input state.
#include "framework/input/input_device.h"

namespace {

bool ValidKey(int key) {
    return key > 0 && key < kKeyCount;
}

// Key 1 (left button) and key 384 (first touch) move together.
int TwinOf(int key) {
    if (key == KEY_LMB) return KEY_TOUCH0;
    if (key == KEY_TOUCH0) return KEY_LMB;
    return 0;
}

}  // namespace

void InputDevice::PutKeyHit(int key) {
    if (!ValidKey(key) || hit_queue_length_ == kHitQueueSize) return;
    key_hits_[key] += 1;
    hit_queue_[hit_queue_length_++] = key;
}

void InputDevice::KeyDownEvent(int key) {
    if (!ValidKey(key) || key_down_[key]) return;  // auto-repeat adds no hits
    key_down_[key] = true;
    PutKeyHit(key);
    if (const int twin = TwinOf(key)) {
        key_down_[twin] = true;
        PutKeyHit(twin);
    }
}

void InputDevice::KeyUpEvent(int key) {
    if (!ValidKey(key) || !key_down_[key]) return;
    key_down_[key] = false;
    if (const int twin = TwinOf(key)) key_down_[twin] = false;
}

void InputDevice::KeyEvent(int event, int data) {
    switch (event) {
        case kEventKeyDown:
            KeyDownEvent(data);
            break;
        case kEventKeyUp:
            KeyUpEvent(data);
            break;
        case kEventChar:
            if (char_put_ < kCharQueueSize) char_queue_[char_put_++] = data;
            break;
        default:
            break;
    }
}

void InputDevice::MouseEvent(int event, int data, float x, float y) {
    switch (event) {
        case kEventMouseDown:
            KeyDownEvent(data + 1);
            mouse_x_ = touch_x_[0] = x;
            mouse_y_ = touch_y_[0] = y;
            break;
        case kEventMouseUp:
            KeyUpEvent(data + 1);
            break;
        case kEventMouseMove:
            mouse_x_ = touch_x_[0] = x;
            mouse_y_ = touch_y_[0] = y;
            break;
        default:
            break;
    }
}

void InputDevice::BeginUpdate() {
    if (!poller_) return;
    for (int port = 0; port < kJoystickPorts; ++port) {
        JoyState& joy = joysticks_[port];
        if (!poller_(port, joy)) break;  // ports are filled in order
        for (int button = 0; button < kJoystickButtons; ++button) {
            const int key = KEY_JOY0 + 32 * port + button;
            if (joy.buttons[button]) {
                if (!key_down_[key]) {
                    key_down_[key] = true;
                    PutKeyHit(key);
                }
            } else {
                key_down_[key] = false;
            }
        }
    }
}

void InputDevice::EndUpdate() {
    for (int i = 0; i < hit_queue_length_; ++i) key_hits_[hit_queue_[i]] = 0;
    hit_queue_length_ = 0;
    char_get_ = 0;
    char_put_ = 0;
}

int InputDevice::KeyDown(int key) const {
    return ValidKey(key) && key_down_[key] ? 1 : 0;
}

int InputDevice::KeyHit(int key) const {
    return ValidKey(key) ? key_hits_[key] : 0;
}

int InputDevice::GetChar() {
    if (char_get_ == char_put_) return 0;
    return char_queue_[char_get_++];
}

float InputDevice::TouchX(int index) const {
    return index >= 0 && index < 32 ? touch_x_[index] : 0;
}

float InputDevice::TouchY(int index) const {
    return index >= 0 && index < 32 ? touch_y_[index] : 0;
}
