// The property every song file must keep, whatever its bytes: loading gives
// tracks of exactly 8192 rows, and saving that song and loading it again gives
// the same song. Shared by the fuzz target and the regression test.
#pragma once

#include <fstream>
#include <string>

#include "tracker/songfile.h"
#include "tracker/state.h"

namespace song_property {

inline EngineState BlankSong() {
    EngineState s;
    const String notes(std::u16string(kTrackLength, u'.'));
    const String values(std::u16string(kTrackLength, u'0'));
    for (int n = 1; n <= kChannels; ++n) {
        s.Track[n] = notes;
        s.VolumeTrack[n] = s.InstTrack[n] = s.OctaveTrack[n] = values;
    }
    return s;
}

inline std::u16string Padded(const String& d) {
    std::u16string p(d.View().substr(0, 21));
    p.resize(21, u' ');
    return p;
}

// "" when the song files keep the property for these bytes, else what broke.
// Works in the songs folder of "./data/" of the working directory.
inline std::string Check(const std::string& bytes) {
    {
        std::ofstream out("data/songs/fuzz", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    EngineState a = BlankSong();
    a.InsArrayData[252] = 77;  // must survive files without instrument 31's tail
    LoadFile(a, "fuzz");
    const PerChannel<String> EngineState::*families[] = {
        &EngineState::Track, &EngineState::VolumeTrack, &EngineState::InstTrack,
        &EngineState::OctaveTrack};
    for (auto f : families) {
        for (int n = 1; n <= kChannels; ++n) {
            if ((a.*f)[n].Length() != kTrackLength) return "a track lost its length";
        }
    }
    if (SaveFile(a, "fuzz.again") != "File Saved...") return "saving failed";
    EngineState b = BlankSong();
    if (LoadFile(b, "fuzz.again") != "File Loaded...") return "reloading failed";
    for (auto f : families) {
        for (int n = 1; n <= kChannels; ++n) {
            if ((a.*f)[n] != (b.*f)[n]) return "a track changed";
        }
    }
    if (a.Patterns != b.Patterns) return "the order changed";
    if (a.Songlength != b.Songlength) return "the song length changed";
    if (static_cast<int>(a.spd) != static_cast<int>(b.spd)) return "the speed changed";
    if (a.InsArrayData != b.InsArrayData) return "an instrument changed";
    for (int j = 1; j < kInstruments; ++j) {
        if (Padded(a.Descriptions[j]) != Padded(b.Descriptions[j])) return "a description changed";
    }
    return "";
}

}  // namespace song_property
