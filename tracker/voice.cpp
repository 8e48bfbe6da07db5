// The voice player: voice pairs on audio channels n and n + 4.
#include "tracker/voice.h"

#include <cmath>

#include "framework/audio/audio.h"

namespace {

// The pitch index that note code 128 ("<") gives on an octave.
int NoteOffPitch(int octave) {
    return 12 * octave + 104;
}

}  // namespace

float PitchRate(float pitch) {
    return static_cast<float>(std::pow(static_cast<double>(kSemitone), static_cast<double>(pitch)));
}

bool SoundPair(const EngineState& e, int wav, Sound** main, Sound** partner) {
    switch (wav) {
        case 1: *main = e.Ramp; *partner = e.Saw; return true;
        case 2: *main = e.Ramp2; *partner = e.Saw; return true;
        case 3: *main = e.Square; *partner = e.Saw; return true;
        case 4: *main = e.Bass; *partner = e.Zero; return true;
        case 5: *main = e.Saw; *partner = e.Zero; return true;
        case 6: *main = e.Noise; *partner = e.Zero; return true;
        default: return false;
    }
}

void PlayInst(Sound* sound, int pitch, int channel, float /*level*/, int flags, Sound* sound2,
              float detune, int retrigger, float /*offset*/, int octave) {
    const int partner = channel + 4;
    if (pitch == NoteOffPitch(octave)) {
        PauseChannel(channel);
        PauseChannel(partner);
    }
    if (pitch > kHighestPitch) return;

    // The rate goes first so that a restarted sample begins at its new pitch.
    const float rate = PitchRate(static_cast<float>(pitch));
    SetChannelRate(channel, rate);
    if (retrigger > 0) {
        PlaySound(sound, channel, flags);
    } else {
        ResumeChannel(channel);
    }

    if (!sound2) {
        StopChannel(partner);
        return;
    }
    const float partnerRate = rate + detune / kDetuneDivisor;
    SetChannelRate(partner, partnerRate);
    if (retrigger > 0) {
        PlaySound(sound2, partner, flags);
    } else {
        ResumeChannel(partner);
    }
}

void PauseAll() {
    // Partners 5 to 8 go in pairs swapped; the order has no audible effect.
    static const int kOrder[] = {1, 2, 3, 4, 6, 5, 8, 7, 9, 10, 11, 12};
    for (int channel : kOrder) StopChannel(channel);
}

void LoadWaveforms(EngineState& e) {
    e.Square = LoadSound("ramp_64.wav");
    e.Ramp = LoadSound("ramp_b_64.wav");
    e.Ramp2 = LoadSound("ramp_c_64.wav");
    e.Saw = LoadSound("saw_64.wav");
    e.Noise = LoadSound("fx2b.wav");
    e.Bass = LoadSound("tri_64.wav");
}
