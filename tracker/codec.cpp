// Note and value characters of the tracks.
#include "tracker/codec.h"

#include <string>

namespace {

struct NoteChar {
    char16_t ch;
    int code;
    const char* name;  // letter pair; the octave digit follows
    int octave;        // added to the row's base octave
};

// The piano keys of a German keyboard: bottom letter row with home-row sharps,
// then the top letter row with digit sharps.
constexpr NoteChar kNotes[] = {
    {u'y', 0, "C-", 0},  {u's', 1, "C#", 0},  {u'x', 2, "D-", 0},  {u'd', 3, "D#", 0},
    {u'c', 4, "E-", 0},  {u'v', 5, "F-", 0},  {u'g', 6, "F#", 0},  {u'b', 7, "G-", 0},
    {u'h', 8, "G#", 0},  {u'n', 9, "A-", 0},  {u'j', 10, "A#", 0}, {u'm', 11, "B-", 0},
    {u'q', 12, "C-", 1}, {u'2', 13, "C#", 1}, {u'w', 14, "D-", 1}, {u'3', 15, "D#", 1},
    {u'e', 16, "E-", 1}, {u'r', 17, "F-", 1}, {u'5', 18, "F#", 1}, {u't', 19, "G-", 1},
    {u'6', 20, "G#", 1}, {u'z', 21, "A-", 1}, {u'7', 22, "A#", 1}, {u'u', 23, "B-", 1},
    {u'i', 24, "C-", 2}, {u'9', 25, "C#", 2}, {u'o', 26, "D-", 2}, {u'0', 27, "D#", 2},
    {u'p', 28, "E-", 2},
};

struct MarkChar {
    char16_t ch;
    int code;
    const char* name;
};

constexpr MarkChar kMarks[] = {
    {u'.', 255, "---"},  // empty row
    {u'<', 128, "{|}"},  // note off
    {u'+', 127, "-dn"},  // slide down
    {u'#', 129, "-up"},  // slide up
};

const NoteChar* FindNote(char16_t ch) {
    for (const auto& n : kNotes) {
        if (n.ch == ch) return &n;
    }
    return nullptr;
}

const MarkChar* FindMark(char16_t ch) {
    for (const auto& m : kMarks) {
        if (m.ch == ch) return &m;
    }
    return nullptr;
}

// The one character of row `row`, or -1 when the row lies outside the track.
int RowChar(const String& track, int row) {
    return row >= 0 && row < track.Length() ? track[row] : -1;
}

}  // namespace

int PlayTrack(const String& track, int row) {
    const int ch = RowChar(track, row);
    if (ch < 0) return 0;
    if (const NoteChar* n = FindNote(static_cast<char16_t>(ch))) return n->code;
    if (const MarkChar* m = FindMark(static_cast<char16_t>(ch))) return m->code;
    return 0;
}

String Translate2Note(const String& track, int row, const String& octaves) {
    const int digit = RowChar(octaves, row);
    if (digit < '0' || digit > '3') return String();
    const int ch = RowChar(track, row);
    if (ch < 0) return String();
    if (const NoteChar* n = FindNote(static_cast<char16_t>(ch))) {
        return String(n->name) + String(digit - '0' + n->octave);
    }
    if (const MarkChar* m = FindMark(static_cast<char16_t>(ch))) return String(m->name);
    return String("???");
}

int Char2Int(const String& text) {
    if (text.Length() == 1) {
        const int c = text[0];
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    }
    return text.ToInt();
}

String Int2Char(int value) {
    if (value >= 10 && value <= 15) return String::FromChar('A' + value - 10);
    return String(value);
}

String Hex8(int value) {
    static const char kDigits[] = "0123456789ABCDEF";
    const unsigned low = static_cast<unsigned>(value) & 0xFF;
    const char16_t text[] = {static_cast<char16_t>(kDigits[low >> 4]),
                             static_cast<char16_t>(kDigits[low & 15])};
    return String(std::u16string(text, 2));
}

String ChangeTrack(const String& track, int position, const String& text) {
    // Positions are 1-based; a position of 0 or below would wrap the slices
    // around and double the track, so it leaves the track as it is.
    if (position < 1) return track;
    const std::u16string_view v = track.View();
    const size_t at = static_cast<size_t>(position - 1) < v.size() ? position - 1 : v.size();
    std::u16string out;
    out.reserve(v.size() + static_cast<size_t>(text.Length()));
    out.append(v.substr(0, at));
    out.append(text.View());
    if (at < v.size()) out.append(v.substr(at + 1));
    return String(std::move(out));
}

int InstChar2Int(const String& cell) {
    if (cell.Length() == 1 && cell[0] >= 'G' && cell[0] <= 'V') return cell[0] - 'G' + 16;
    return Char2Int(cell);
}

String Int2InstChar(int value) {
    if (value < 0) value = 0;
    if (value > 31) value = 31;
    if (value < 16) return Int2Char(value);
    return String::FromChar('G' + value - 16);
}
