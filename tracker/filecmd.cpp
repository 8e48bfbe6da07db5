// The file name field and the save and load commands.
#include "tracker/filecmd.h"

#include <filesystem>
#include <system_error>

#include "framework/files/files.h"
#include "framework/input/input.h"
#include "tracker/editor.h"
#include "tracker/screen.h"
#include "tracker/songfile.h"
#include "tracker/voice.h"

namespace {

constexpr int kNameWidth = 32;
const String kSaved = "File Saved...";
const String kSaveFailed = "Saving Failed!";
const String kLoadFailed = "Loading Failed!";

// Everything a song file keeps, so that a failed save can put the edited song back
// after its loads have replaced it.
struct SongCopy {
    explicit SongCopy(const EngineState& e)
        : Track(e.Track), VolumeTrack(e.VolumeTrack), InstTrack(e.InstTrack),
          OctaveTrack(e.OctaveTrack), Patterns(e.Patterns), Songlength(e.Songlength),
          spd(e.spd), InsArrayData(e.InsArrayData), Descriptions(e.Descriptions) {}

    void RestoreInto(EngineState& e) const {
        e.Track = Track;
        e.VolumeTrack = VolumeTrack;
        e.InstTrack = InstTrack;
        e.OctaveTrack = OctaveTrack;
        e.Patterns = Patterns;
        e.Songlength = Songlength;
        e.spd = spd;
        e.InsArrayData = InsArrayData;
        e.Descriptions = Descriptions;
    }

    PerChannel<String> Track, VolumeTrack, InstTrack, OctaveTrack;
    std::array<int, kPatterns> Patterns;
    int Songlength;
    float spd;
    std::array<int, 256> InsArrayData;
    std::array<String, kInstruments> Descriptions;
};

// The song writer does not create the songs folder; a fresh data folder may lack it.
void MakeSongsFolder() {
    const String folder = PathToFilePath(FixDataPath("songs/"));
    if (folder.Empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(folder.ToUtf8()), ignored);
}

bool IsSeparator(int c) {
    return c == '/' || c == '\\';
}

}  // namespace

bool IsSongName(const String& name) {
    if (name.Empty() || name == "." || name == "..") return false;
    for (int c : name.View()) {
        if (IsSeparator(c) || c == 0) return false;
    }
    return true;
}

void FileNameField(EngineState& e) {
    if (ToInputField(0, 441)) e.FilenameInputOn = 1;
    if (e.FilenameInputOn != 1) return;
    e.STATUS = 2;
    PauseAll();
    const int k = GetChar();
    // Separators would lead out of the songs folder.
    if (e.Filename.Length() < kNameWidth && IsTextChar(k) && !IsSeparator(k)) {
        e.Filename = e.Filename + String::FromChar(k);
    }
    if (KeyHit(KEY_ENTER)) e.FilenameInputOn = 0;
    // Delete's own character (127) is not text, so the name loses exactly one character.
    if (KeyHit(KEY_DELETE) && !e.Filename.Empty()) {
        e.Filename = e.Filename.Slice(0, e.Filename.Length() - 1);
    }
}

String SaveSong(EngineState& e, const String& name) {
    // An empty name writes nothing at all (not even the scratch and backup files).
    if (name.Empty()) return SaveFile(e, name);
    if (!IsSongName(name)) return kSaveFailed;
    MakeSongsFolder();

    // The edited song goes to the scratch file, the version on disk to the backup,
    // then the scratch file is read back, so that memory holds what the file keeps.
    if (SaveFile(e, name + ".ba") != kSaved) return kSaveFailed;
    const SongCopy edited(e);
    LoadFile(e, name);
    if (SaveFile(e, name + ".bk") != kSaved) {
        edited.RestoreInto(e);
        return kSaveFailed;
    }
    if (LoadFile(e, name + ".ba") != "File Loaded...") edited.RestoreInto(e);
    return SaveFile(e, name);
}

String LoadSong(EngineState& e, const String& name) {
    if (!IsSongName(name)) return kLoadFailed;
    return LoadFile(e, name);
}

void SaveCommand(EngineState& e) {
    e.StatusInfo = SaveSong(e, e.Filename);
}

void LoadCommand(EngineState& e) {
    e.StatusInfo = LoadSong(e, e.Filename);
}
