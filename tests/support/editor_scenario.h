// A fresh engine driven the way the host drives it: events go to a real input
// device, and every update is framed by BeginUpdate and EndUpdate. The audio
// device is a RecordingAudio, so the voices the editor starts can be read back.
#pragma once

#include <memory>

#include "framework/audio/recording_audio.h"
#include "framework/input/input_device.h"
#include "tracker/engine.h"

class EditorScenario {
public:
    EditorScenario();
    ~EditorScenario();
    EditorScenario(const EditorScenario&) = delete;
    EditorScenario& operator=(const EditorScenario&) = delete;

    SoundEngine& e() { return *engine_; }
    RecordingAudio& audio() { return audio_; }
    InputDevice& input() { return input_; }

    // A key pressed and released before the next update; editing keys also queue
    // their character, as the host's key callback does (its own key map).
    void Press(int key);
    void Hold(int key);
    void Release(int key);
    // A typed character.
    void Type(int code);
    // Moves the pointer there and clicks the left button.
    void Click(float x, float y);

    // One update (or several), as the host runs them.
    void Update(int count = 1);
    // Each character typed and followed by its own update.
    void TypeEach(const char* text);

    // Standby to editing through the stop/edit key.
    void StartEditing();

    // What the audio device was asked since the last ClearAudio.
    void ClearAudio();
    // A sound was started on the audio channel.
    bool Played(int channel) const;
    // The audio channel was stopped.
    bool Stopped(int channel) const;
    // The first rate set on the audio channel, 0 when none was.
    float FirstRate(int channel) const;

private:
    InputDevice input_;
    RecordingAudio audio_;
    std::unique_ptr<SoundEngine> engine_;
};
