// The input module's functions over the current device.
#include "framework/input/input.h"

namespace {
InputDevice* g_device = nullptr;
}  // namespace

void SetInputDevice(InputDevice* device) {
    g_device = device;
}

InputDevice* GetInputDevice() {
    return g_device;
}

int KeyDown(int key) {
    return g_device ? g_device->KeyDown(key) : 0;
}

int KeyHit(int key) {
    return g_device ? g_device->KeyHit(key) : 0;
}

int MouseHit(int button) {
    if (button < 0 || button > 510) return 0;
    return KeyHit(button + 1);
}

float MouseX() {
    return g_device ? g_device->MouseX() : 0;
}

float MouseY() {
    return g_device ? g_device->MouseY() : 0;
}

int GetChar() {
    return g_device ? g_device->GetChar() : 0;
}
