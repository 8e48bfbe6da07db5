// The bridge from the host to the application: owns the three devices and passes
// host events on to the App and the input device.
#pragma once

#include <functional>

#include "app/bbgame.h"

class gxtkGraphics;
class gxtkAudio;
class InputDevice;

class GameDelegate : public BBGameDelegate {
public:
    // How StartGame makes each device. The defaults make the OpenGL device on the
    // current window, the OpenAL device and a plain input device; tests and
    // headless hosts put their own in place before the game starts.
    struct DeviceFactories {
        std::function<gxtkGraphics*()> graphics;
        std::function<gxtkAudio*()> audio;
        std::function<InputDevice*()> input;
    };
    static DeviceFactories DefaultFactories();
    static void SetFactories(DeviceFactories factories);

    void StartGame() override;
    void SuspendGame() override;
    void ResumeGame() override;
    void UpdateGame() override;
    void RenderGame() override;
    void KeyEvent(int event, int data) override;
    void MouseEvent(int event, int data, float x, float y) override;

    gxtkGraphics* Graphics() const { return graphics_; }
    gxtkAudio* Audio() const { return audio_; }
    InputDevice* Input() const { return input_; }

private:
    gxtkGraphics* graphics_ = nullptr;
    gxtkAudio* audio_ = nullptr;
    InputDevice* input_ = nullptr;
};
