// Comparing the parts of a song that its file holds, and checking the shape
// every loaded song must have.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tracker/state.h"

namespace song_check {

// Descriptions come back from a file filled with spaces to 21 characters.
inline std::u16string Padded(const String& d) {
    std::u16string s(d.View().substr(0, 21));
    s.resize(21, u' ');
    return s;
}

inline const char* TrackName(int kind) {
    static const char* names[] = {"Track", "VolumeTrack", "InstTrack", "OctaveTrack"};
    return names[kind];
}

inline const String& TrackOf(const EngineState& s, int kind, int n) {
    switch (kind) {
        case 0: return s.Track[n];
        case 1: return s.VolumeTrack[n];
        case 2: return s.InstTrack[n];
        default: return s.OctaveTrack[n];
    }
}

// The song as the file sees it: tracks, order, length, whole speed, every
// instrument entry and the descriptions of instruments 1 to 31.
inline testing::AssertionResult SameSong(const EngineState& a, const EngineState& b) {
    for (int kind = 0; kind < 4; ++kind) {
        for (int n = 1; n <= kChannels; ++n) {
            const auto x = TrackOf(a, kind, n).View(), y = TrackOf(b, kind, n).View();
            if (x != y) {
                size_t at = 0;
                while (at < x.size() && at < y.size() && x[at] == y[at]) ++at;
                return testing::AssertionFailure()
                       << TrackName(kind) << n << " differs at row " << at << " (lengths "
                       << x.size() << ", " << y.size() << ")";
            }
        }
    }
    for (int k = 0; k < kPatterns; ++k) {
        if (a.Patterns[k] != b.Patterns[k]) {
            return testing::AssertionFailure() << "Patterns[" << k << "]: " << a.Patterns[k]
                                               << " vs " << b.Patterns[k];
        }
    }
    if (a.Songlength != b.Songlength) {
        return testing::AssertionFailure() << "Songlength " << a.Songlength << " vs " << b.Songlength;
    }
    if (static_cast<int>(a.spd) != static_cast<int>(b.spd)) {
        return testing::AssertionFailure() << "spd " << a.spd << " vs " << b.spd;
    }
    for (int k = 0; k < 256; ++k) {
        if (a.InsArrayData[k] != b.InsArrayData[k]) {
            return testing::AssertionFailure() << "InsArrayData[" << k << "]: " << a.InsArrayData[k]
                                               << " vs " << b.InsArrayData[k];
        }
    }
    for (int j = 1; j < kInstruments; ++j) {
        if (Padded(a.Descriptions[j]) != Padded(b.Descriptions[j])) {
            return testing::AssertionFailure() << "Descriptions[" << j << "] differ";
        }
    }
    return testing::AssertionSuccess();
}

// Every track exactly one pattern table long, one character per row.
inline testing::AssertionResult WellShaped(const EngineState& s) {
    for (int kind = 0; kind < 4; ++kind) {
        for (int n = 1; n <= kChannels; ++n) {
            if (TrackOf(s, kind, n).Length() != kTrackLength) {
                return testing::AssertionFailure() << TrackName(kind) << n << " has "
                                                   << TrackOf(s, kind, n).Length() << " rows";
            }
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace song_check
