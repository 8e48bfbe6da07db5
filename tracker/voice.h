// The voice player: starts, retunes and pauses the voice pairs (a channel's main
// voice on audio channel n and its detuned partner on n + 4), and loads the six
// waveform sounds they play.
#pragma once

#include "tracker/state.h"

class Sound;

// The semitone ratio: 2^(1/12) as the nearest single-precision value, slightly
// above it, so that twelve steps give 2.0000012 rather than exactly 2.
constexpr float kSemitone = 1.0594631f;
// Pitch indices above this are never sounded ("." and the slide codes lie above).
constexpr int kHighestPitch = 43;
// The partner voice runs faster than the main voice by detune / kDetuneDivisor.
constexpr float kDetuneDivisor = 800.0f;

// The playback rate of a (possibly fractional) pitch index: the power is taken in
// double precision and the result kept as a single-precision rate.
float PitchRate(float pitch);

// The main and partner sound of a WAV value 1 to 6 (the partner of 4 to 6 is the
// always empty Zero). Returns false, touching nothing, for any other value.
bool SoundPair(const EngineState& e, int wav, Sound** main, Sound** partner);

// Starts a note on the voice pair of channel (1 to 4), retunes it, or pauses the
// pair when pitch is the note-off pitch of the octave. level and offset are not
// used; flags go to PlaySound; retrigger > 0 restarts the sounds from their start,
// otherwise paused voices resume where they stopped.
void PlayInst(Sound* sound, int pitch, int channel, float level, int flags, Sound* sound2,
              float detune, int retrigger, float offset, int octave);

// Stops audio channels 1 to 12 (stop, not pause: resuming brings nothing back).
void PauseAll();

// Start-up step 2: the six waveforms from the data folder; a file that fails to
// load leaves its sound null.
void LoadWaveforms(EngineState& e);
