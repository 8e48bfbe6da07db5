// Writing and reading the song file.
//
// The file is the UTF-8 of one text in which every number is one character
// (its low 16 bits): "PSG1", song positions, speed, pattern count P, the 16
// track blocks of 32P rows, the 256 order entries, instrument entries 0-248,
// the 31 descriptions of 21 characters, then instrument entries 249-255.
#include "tracker/songfile.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/files/files.h"

namespace {

constexpr int kHeader = 7;
constexpr int kStoredEntries = 249;  // the fixed part of the instrument table
constexpr int kDescriptionLength = 21;
constexpr int kDescriptions = 31;
constexpr int kTrailingEntries = 256 - kStoredEntries;

// The 16 tracks in file order, with their blank characters.
struct TrackRef {
    PerChannel<String> EngineState::*family;
    int channel;
    char16_t blank;
};

std::array<TrackRef, 16> FileOrder() {
    std::array<TrackRef, 16> order{};
    PerChannel<String> EngineState::*const families[] = {
        &EngineState::Track, &EngineState::VolumeTrack, &EngineState::InstTrack,
        &EngineState::OctaveTrack};
    int k = 0;
    for (int f = 0; f < 4; ++f) {
        for (int n = 1; n <= kChannels; ++n) {
            order[k++] = {families[f], n, f == 0 ? u'.' : u'0'};
        }
    }
    return order;
}

const std::array<TrackRef, 16> kFileOrder = FileOrder();

bool PatternHoldsData(const EngineState& s, int pattern) {
    const size_t from = static_cast<size_t>(pattern) * kRowsPerPattern;
    for (const TrackRef& t : kFileOrder) {
        const std::u16string_view rows = (s.*t.family)[t.channel].View();
        if (from >= rows.size()) continue;
        for (char16_t c : rows.substr(from, kRowsPerPattern)) {
            if (c != t.blank) return true;
        }
    }
    return false;
}

// The patterns the order names, and beyond them any pattern that holds notes:
// a pattern edited and then taken out of the order must not be lost.
int StoredPatterns(const EngineState& s) {
    int highest = 0;
    for (int entry : s.Patterns) highest = std::max(highest, entry);
    int count = std::min(highest + 1, kPatterns);
    for (int p = kPatterns - 1; p >= count; --p) {
        if (PatternHoldsData(s, p)) return p + 1;
    }
    return count;
}

char16_t Code(int value) {
    return static_cast<char16_t>(value & 0xFFFF);
}

std::u16string Content(const EngineState& s) {
    const int patterns = StoredPatterns(s);
    const size_t rows = static_cast<size_t>(patterns) * kRowsPerPattern;
    std::u16string out;
    out.reserve(kHeader + 16 * rows + 256 + 256 + kDescriptions * kDescriptionLength);
    out += u"PSG1";
    out += Code(s.Songlength / 32);
    out += Code(static_cast<int>(s.spd));
    out += Code(patterns);
    for (const TrackRef& t : kFileOrder) {
        // Every block is exactly 32P rows, so the blocks after it stay where
        // the reader looks for them.
        const std::u16string_view track = (s.*t.family)[t.channel].View().substr(0, rows);
        out += track;
        out.append(rows - track.size(), t.blank);
    }
    for (int entry : s.Patterns) out += Code(entry);
    for (int k = 0; k < kStoredEntries; ++k) out += Code(s.InsArrayData[k]);
    for (int j = 1; j <= kDescriptions; ++j) {
        const std::u16string_view d = s.Descriptions[j].View().substr(0, kDescriptionLength);
        out += d;
        out.append(kDescriptionLength - d.size(), u' ');
    }
    for (int k = kStoredEntries; k < 256; ++k) out += Code(s.InsArrayData[k]);
    return out;
}

}  // namespace

String SaveFile(EngineState& s, const String& name) {
    if (name.Empty()) return "Enter a Name...";
    FileStream* file = FileStream::Open(String("zorbit://data/songs/") + name, "w");
    if (!file) return "Saving Failed!";
    String result = "File Saved...";
    try {
        file->WriteString(String(Content(s)), "utf8");
        file->Flush();
    } catch (const StreamWriteError&) {
        result = "Saving Failed!";
    }
    file->Close();
    delete file;
    return result;
}

String LoadFile(EngineState& s, const String& name) {
    return LoadFileAt(s, FixDataPath(String("songs/") + name));
}

String LoadFileAt(EngineState& s, const String& path) {
    const String text = LoadFileString(path);
    // Nothing to read: keep the song rather than wipe it.
    if (text.Empty()) return "Loading Failed!";

    const std::u16string_view v = text.View();
    auto code = [&](long long k) -> int { return k < static_cast<long long>(v.size()) ? v[k] : 0; };
    auto slice = [&](long long from, long long to) {
        const long long n = static_cast<long long>(v.size());
        from = std::min(from, n);
        to = std::min(to, n);
        return to > from ? v.substr(static_cast<size_t>(from), static_cast<size_t>(to - from))
                         : std::u16string_view();
    };

    s.Songlength = code(4) * 32;
    s.spd = code(5) == 0 ? 5.0f : static_cast<float>(code(5));
    const long long patterns = code(6);
    const long long block = 32 * patterns;

    for (size_t b = 0; b < kFileOrder.size(); ++b) {
        const TrackRef& t = kFileOrder[b];
        // The stored rows, then blanks, always exactly one track long.
        std::u16string rows(slice(kHeader + block * b, kHeader + block * (b + 1)).substr(0, kTrackLength));
        rows.resize(kTrackLength, t.blank);
        (s.*t.family)[t.channel] = String(std::move(rows));
    }

    const long long order = kHeader + 16 * block;
    // An order entry names one of the 256 patterns; anything else would send
    // playback and edits past the end of the tracks, so it reads as 0.
    for (int k = 0; k < 256; ++k) {
        const int entry = code(order + k);
        s.Patterns[k] = entry < kPatterns ? entry : 0;
    }
    const long long entries = order + 256;
    for (int k = 0; k < kStoredEntries; ++k) s.InsArrayData[k] = code(entries + k);
    const long long descriptions = entries + kStoredEntries;
    for (int j = 1; j <= kDescriptions; ++j) {
        const long long from = descriptions + kDescriptionLength * (j - 1);
        s.Descriptions[j] = String(std::u16string(slice(from, from + kDescriptionLength)));
    }
    // Files without the trailing entries leave instrument 31's last seven as they were.
    const long long trailing = descriptions + kDescriptions * kDescriptionLength;
    if (static_cast<long long>(v.size()) >= trailing + kTrailingEntries) {
        for (int k = 0; k < kTrailingEntries; ++k) s.InsArrayData[kStoredEntries + k] = code(trailing + k);
    }
    return "File Loaded...";
}
