// The audio calls the tracker makes, as a recording audio device sees them, in a
// plain form that tests compare and print.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Sound;

struct AudioCall {
    enum Op { kPlay, kStop, kPause, kResume, kVolume, kRate };
    Op op;
    int channel;
    float value;         // volume or rate
    const void* sample;  // the sample started by a play
    int flags;           // the flags of a play
};

bool operator==(const AudioCall& a, const AudioCall& b);

// Makes a recording audio device current for its lifetime.
class AudioRecorder {
public:
    AudioRecorder();
    ~AudioRecorder();
    AudioRecorder(const AudioRecorder&) = delete;
    AudioRecorder& operator=(const AudioRecorder&) = delete;

    // The calls since the last Take, oldest first.
    std::vector<AudioCall> Take();
    // A sound of its own whose sample is loaded, k = 0 to 7.
    Sound* TestSound(int k);
    // The sample that a play of TestSound(k) starts.
    const void* SampleOf(Sound* sound) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// One line per call: "play 1 #2 1", "rate 5 1.01875", "vol 3 0.875", "pause 1" ...
std::string Describe(const AudioCall& call, const std::vector<const void*>& samples = {});

// The values of the calls of one kind on one channel, in order.
std::vector<float> ValuesOf(const std::vector<AudioCall>& calls, AudioCall::Op op, int channel);
// The number of calls of one kind on one channel.
int CountOf(const std::vector<AudioCall>& calls, AudioCall::Op op, int channel);
