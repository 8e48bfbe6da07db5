// A host without a window: the application's updates driven one by one, each
// followed by 20 ms of sound mixed from the audio device's loopback output. The
// song renderer, the sound tests and the benchmarks all run the engine this way.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "framework/input/input_device.h"

class gxtkAudio;

class HeadlessHost {
public:
    static constexpr int kFrequency = 48000;
    // Frames of one 20 ms update at kFrequency.
    static constexpr int kFramesPerUpdate = kFrequency / 50;

    // Creates the loopback audio device and an input device and makes both current.
    HeadlessHost();
    ~HeadlessHost();
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    InputDevice& Input() { return input_; }
    gxtkAudio* Audio() { return audio_; }

    // A key pressed and released before the next update: one hit, not held.
    void TapKey(int key);
    // One update as the window host runs it, between BeginUpdate and EndUpdate.
    void Update(App& app);
    // Mixes the next frames (interleaved stereo) from the audio device.
    void Mix(int16_t* out, int frames);
    // Update, then mix one update's frames, appended to out.
    void Step(App& app, std::vector<int16_t>& out);

private:
    InputDevice input_;
    gxtkAudio* audio_ = nullptr;
};


// A 16-bit stereo PCM WAV file written as it grows; the header's sizes are
// filled in by Close.
class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // False when the file cannot be created.
    bool Open(const std::string& path, int frequency);
    // False on a write error.
    bool Write(const int16_t* samples, size_t frames);
    // False when the file could not be completed.
    bool Close();

private:
    std::FILE* file_ = nullptr;
    uint32_t data_bytes_ = 0;
    int frequency_ = 0;
    bool failed_ = false;
};
