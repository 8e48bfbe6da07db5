// The transport and the sequencer's ticks: rows every spd updates, and per update
// the envelope, envelope-to-pitch, arpeggio and pitch of each voice pair.
#include "tracker/sequencer.h"

#include "framework/audio/audio.h"
#include "framework/input/input.h"
#include "tracker/codec.h"
#include "tracker/screen.h"
#include "tracker/voice.h"

namespace {

constexpr float kEnvelopeStep = 0.125f;
constexpr float kVolumeScale = 0.1111111f;  // a volume digit of 9 is full level
constexpr float kArpeggioScale = 15.0f;
constexpr float kSlideSpeed = 0.005f;
constexpr int kNoteOffset = 24;  // note code 0 on octave 2 is pitch index 0
constexpr int kSlideDown = 127;  // "+"
constexpr int kSlideUp = 129;    // "#"
constexpr int kFirstNonNote = 127;

// The eight parameters of one instrument, by their panel labels.
struct Instrument {
    int wav, pwm, e2p, amt, env, spd, arp1, arp2;
};

Instrument InstrumentOf(const EngineState& e, int number) {
    // Instrument numbers come from cells (0 to 31) or the panel (1 to 31); anything
    // else names the silent instrument 0 rather than reading past the table.
    if (number < 0 || number >= kInstruments) number = 0;
    const int* v = &e.InsArrayData[static_cast<size_t>(number) * 8];
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
}

String Cell(const String& track, int row) {
    return track.Slice(row, row + 1);
}

// The three-phase arpeggio counter shared by the channels and the preview (voice
// index 0). Each test may overwrite the one before it, which is what makes SPD 0
// hold the second step.
void ArpeggioStage(EngineState& e, int v, const Instrument& inst) {
    e.ArpSpd[v] = inst.spd;
    const float speed = static_cast<float>(e.ArpSpd[v]);
    if (e.Arpcounter[v] == 0) e.fxval[v] = 0;
    if (e.Arpcounter[v] == speed) e.fxval[v] = static_cast<float>(inst.arp1) / kArpeggioScale * inst.amt;
    if (e.Arpcounter[v] == 2 * speed) e.fxval[v] = static_cast<float>(inst.arp2) / kArpeggioScale * inst.amt;
    e.Arpcounter[v] = e.Arpcounter[v] + 1;
    if (e.Arpcounter[v] == 3 * speed) e.Arpcounter[v] = 0;
}

void RowStage(EngineState& e) {
    const int r = e.i + e.ppos;
    PerChannel<int> volume{};
    for (int n = 1; n <= kChannels; ++n) {
        e.p[n] = static_cast<float>(PlayTrack(e.Track[n], r));
        if (e.p[n] < kFirstNonNote) {
            e.fine_p[n] = e.p[n];
            e.fxval[n] = 0;
            e.Vib[n] = 0;
            e.Arpcounter[n] = 0;
            e.Decay[n] = 0;
        }
    }
    for (int n = 1; n <= kChannels; ++n) e.InstNo[n] = InstChar2Int(Cell(e.InstTrack[n], r));
    for (int n = 1; n <= kChannels; ++n) {
        volume[n] = Char2Int(Cell(e.VolumeTrack[n], r));
        if (volume[n] != 0) e.volval[n] = volume[n] * kVolumeScale * e.CHOn[n];
    }
    for (int n = 1; n <= kChannels; ++n) e.oct[n] = Cell(e.OctaveTrack[n], r).ToInt();
    for (int n = 1; n <= kChannels; ++n) {
        SoundPair(e, InstrumentOf(e, e.InstNo[n]).wav, &e.Chanwav[n], &e.Chanwav[n + 4]);
    }
    for (int n = 1; n <= kChannels; ++n) {
        if (e.InstNo[n] != 0) e.PWM[n] = static_cast<float>(InstrumentOf(e, e.InstNo[n]).pwm);
    }
    for (int n = 1; n <= kChannels; ++n) {
        const int pitch = static_cast<int>(e.p[n] - kNoteOffset + 12 * e.oct[n]);
        PlayInst(e.Chanwav[n], pitch, n, e.volval[n], 1, e.Chanwav[n + 4], e.PWM[n], volume[n],
                 e.fxval[n], e.oct[n]);
    }
    for (int n = 1; n <= kChannels; ++n) {
        if (e.InstNo[n] != 0) {
            e.LastInstNo[n] = e.InstNo[n];
            e.LastOct[n] = e.oct[n];
        }
    }
    for (int n = 1; n <= kChannels; ++n) e.last_p[n] = e.p[n];

    e.i = e.i + 1;
    if (e.i > kRowsPerPattern - 1) {
        e.pcount = e.pcount + 1;
        // Reaching or passing the end loops: the length may have been lowered below
        // the playing position, or playback started past it. The order table has
        // 256 entries, so no position beyond it is ever kept.
        if (e.pcount >= e.Songlength / kRowsPerPattern || e.pcount >= kPatterns) e.pcount = 0;
        e.i = 0;
    }
    e.Frame = 0;
}

void EnvelopeStage(EngineState& e, int n, const Instrument& inst) {
    if (e.Decay[n] < 1) e.Decay[n] = e.Decay[n] + kEnvelopeStep / static_cast<float>(inst.env);
    const float d = e.volval[n] - e.Decay[n];
    if (d < 0) {
        e.volval[n] = 0;
        e.Decay[n] = 0;
        SetChannelVolume(n, 0);
    } else if (e.Decay[n] > 1) {
        e.Decay[n] = 1;
        SetChannelVolume(n, e.volval[n] - 1);
    } else {
        SetChannelVolume(n, d);
    }
    SetChannelVolume(n + 4, e.volval[n] - e.Decay[n]);
}

void PitchStage(EngineState& e, int n, const Instrument& inst) {
    if (e.last_p[n] == kSlideDown) {
        e.Vib[n] = e.Vib[n] - kSlideSpeed * e.volval[n];
    } else if (e.last_p[n] == kSlideUp) {
        e.Vib[n] = e.Vib[n] + kSlideSpeed * e.volval[n];
    } else if (inst.arp1 + inst.arp2 == 0 && inst.e2p == 0) {
        return;  // nothing moves the pitch: keep the rate the note started with
    }
    const float base = PitchRate(e.fine_p[n] - kNoteOffset + 12 * e.LastOct[n] + e.fxval[n]);
    const float bend = inst.e2p * e.Dec2Pitch[n];
    SetChannelRate(n, base + e.Vib[n] - bend);
    SetChannelRate(n + 4, base + e.Vib[n] + e.PWM[n] / kDetuneDivisor - bend);
}

}  // namespace

void ToggleStopEdit(EngineState& e) {
    e.STATUS = e.STATUS - 2;
    e.i = 0;
    PauseAll();
    if (e.STATUS == 0) e.StatusInfo = "Editing...";
    if (e.STATUS < 0) {
        e.STATUS = 2;
        e.StatusInfo = "Standby...";
    }
}

void TogglePlay(EngineState& e, bool fromStart) {
    PauseAll();
    e.Frame = 0;
    if (fromStart) e.pcount = 0;
    e.Cursorpos = 1;
    e.i = 0;
    e.STATUS = e.STATUS + 1;
    if (e.STATUS > 2) {
        e.STATUS = 1;
    } else if (e.STATUS == 2) {
        e.StatusInfo = "Standby...";
    }
}

void StopEditStep(EngineState& e) {
    if (KeyHit(KEY_SPACE) || BigButtonZone(516, 336, 2)) {
        ToggleStopEdit(e);
    } else if (e.STATUS < 0) {
        e.STATUS = 2;
        e.StatusInfo = "Standby...";
    }
}

void PlayStep(EngineState& e) {
    const bool fromStart = KeyHit(KEY_F1) != 0;
    if (KeyHit(KEY_F2) || fromStart || BigButtonZone(516, 318, 1)) TogglePlay(e, fromStart);
}

void PreviewTick(EngineState& e) {
    const Instrument inst = InstrumentOf(e, e.WavInit);
    e.Decay[0] = e.Decay[0] + kEnvelopeStep / static_cast<float>(inst.env);
    if (e.Decay[0] > 1) e.Decay[0] = 1;
    for (int channel = 1; channel <= 2 * kChannels; ++channel) SetChannelVolume(channel, 1 - e.Decay[0]);
    if (inst.e2p != 0) e.Dec2Pitch[0] = e.Decay[0];
    ArpeggioStage(e, 0, inst);

    const int pitch = PlayTrack(e.Lastgch, 0) + 12 * e.oct[0] - kNoteOffset;
    const float base = PitchRate(static_cast<float>(pitch) + e.fxval[0]);
    const float bend = inst.e2p * e.Dec2Pitch[0];
    for (int n = 1; n <= kChannels; ++n) {
        SetChannelRate(n, base - bend);
        SetChannelRate(n + 4, base + e.PWM[0] / kDetuneDivisor - bend);
    }
}

void PlayingTick(EngineState& e) {
    e.StatusInfo = "Playing...";
    // A row is due once Frame has counted up to spd. Testing for "reached" rather
    // than "equal" keeps playback going when the speed is lowered below the count
    // while playing; otherwise Frame would count past spd and never read a row again.
    if (e.Frame >= e.spd) RowStage(e);
    PerChannel<Instrument> inst{};
    for (int n = 1; n <= kChannels; ++n) inst[n] = InstrumentOf(e, e.LastInstNo[n]);
    for (int n = 1; n <= kChannels; ++n) EnvelopeStage(e, n, inst[n]);
    for (int n = 1; n <= kChannels; ++n) {
        if (inst[n].e2p != 0) e.Dec2Pitch[n] = e.Decay[n];
    }
    for (int n = 1; n <= kChannels; ++n) ArpeggioStage(e, n, inst[n]);
    for (int n = 1; n <= kChannels; ++n) PitchStage(e, n, inst[n]);
    e.Frame = e.Frame + 1;
}
