// The file name field and the save and load commands, on real files in a
// temporary data folder.
#include "tracker/filecmd.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/editor_scenario.h"
#include "tracker/codec.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the test with a working directory of its own that holds data/songs/.
class FileCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_dir_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("qt_filecmd_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "data" / "songs");
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_dir_);
        fs::remove_all(dir_);
    }

    fs::path Song(const std::string& name) const { return dir_ / "data" / "songs" / name; }

    void TypeName(const char* name) {
        s.Click(100, 450);
        s.Update();
        s.TypeEach(name);
        s.Press(KEY_ENTER);
        s.Update();
    }
    void Save() {
        s.Press(KEY_F11);
        s.Update();
    }
    void Load() {
        s.Press(KEY_F12);
        s.Update();
    }
    void Note(int row, const char* note) {
        e.Track[1] = ChangeTrack(e.Track[1], row + 1, note);
    }

    EditorScenario s;
    SoundEngine& e = s.e();
    fs::path old_dir_, dir_;
};

TEST_F(FileCommandTest, NameFieldTakesThirtyTwoTypedCharacters) {
    s.StartEditing();
    s.Click(100, 450);
    s.Update();
    EXPECT_EQ(e.FilenameInputOn, 1);
    EXPECT_EQ(e.STATUS, 2);
    s.TypeEach("abcdefghijklmnopqrstuvwxyz0123456789");
    EXPECT_EQ(e.Filename, String("abcdefghijklmnopqrstuvwxyz012345"));
    s.Press(KEY_ENTER);
    s.Update();
    EXPECT_EQ(e.FilenameInputOn, 0);
    EXPECT_EQ(e.Filename.Length(), 32);
    // A second click keeps the name and types on at its end.
    s.Click(100, 450);
    s.Update();
    s.Press(KEY_DELETE);
    s.Update();
    EXPECT_EQ(e.Filename.Length(), 31);
}

TEST_F(FileCommandTest, DeleteRemovesExactlyOneCharacter) {
    TypeName("tunes");
    s.Click(100, 450);
    s.Update();
    s.Press(KEY_DELETE);
    s.Update();
    EXPECT_EQ(e.Filename, String("tune"));
    for (int n = 0; n < 6; ++n) {
        s.Press(KEY_DELETE);
        s.Update();
    }
    EXPECT_TRUE(e.Filename.Empty());
    EXPECT_EQ(e.FilenameInputOn, 1);
}

TEST_F(FileCommandTest, NameFieldRefusesSeparatorsAndNavigationKeys) {
    s.Click(100, 450);
    s.Update();
    s.TypeEach("a/b\\c");
    for (int key : {KEY_LEFT, KEY_RIGHT, KEY_PAGEDOWN, KEY_TAB, KEY_BACKSPACE}) {
        s.Press(key);
        s.Update();
    }
    EXPECT_EQ(e.Filename, String("abc"));
}

TEST_F(FileCommandTest, FirstAndSecondSaveKeepTheBackup) {
    s.StartEditing();
    TypeName("tune");
    Note(0, "q");
    e.Descriptions[1] = "Lead";
    Save();
    EXPECT_EQ(e.StatusInfo, String("File Saved..."));
    const std::string first = ReadBytes(Song("tune"));
    ASSERT_GT(first.size(), 7u);
    EXPECT_EQ(first.substr(0, 4), "PSG1");
    EXPECT_EQ(first[7], 'q');
    EXPECT_EQ(ReadBytes(Song("tune.ba")), first);
    EXPECT_TRUE(fs::exists(Song("tune.bk")));
    // Memory holds what the file keeps: the description filled to 21 characters.
    EXPECT_EQ(e.Descriptions[1], String("Lead" + std::string(17, ' ')));
    EXPECT_EQ(e.Track[1].Slice(0, 1), String("q"));

    Note(1, "w");
    Save();
    EXPECT_EQ(e.StatusInfo, String("File Saved..."));
    const std::string second = ReadBytes(Song("tune"));
    EXPECT_EQ(second[7], 'q');
    EXPECT_EQ(second[8], 'w');
    EXPECT_EQ(ReadBytes(Song("tune.ba")), second);
    EXPECT_EQ(ReadBytes(Song("tune.bk")), first);
    EXPECT_EQ(e.Track[1].Slice(0, 2), String("qw"));
    EXPECT_EQ(e.Track[1].Length(), kTrackLength);
}

TEST_F(FileCommandTest, SaveButtonWhileTypingUsesTheNameSoFar) {
    s.Click(100, 450);
    s.Update();
    s.TypeEach("ab");
    s.Click(441 + 27, 440 + 10);
    s.Update();
    EXPECT_EQ(e.StatusInfo, String("File Saved..."));
    EXPECT_TRUE(fs::exists(Song("ab")));
    EXPECT_EQ(e.FilenameInputOn, 1);
}

TEST_F(FileCommandTest, LoadReplacesTheSong) {
    TypeName("song");
    Note(5, "e");
    e.Patterns[2] = 3;
    Save();
    Note(5, ".");
    e.Patterns[2] = 0;
    s.Click(387 + 27, 440 + 10);  // the load button
    s.Update();
    EXPECT_EQ(e.StatusInfo, String("File Loaded..."));
    EXPECT_EQ(e.Track[1].Slice(5, 6), String("e"));
    EXPECT_EQ(e.Patterns[2], 3);

    TypeName("x");  // "songx"
    Load();
    EXPECT_EQ(e.StatusInfo, String("Loading Failed!"));
}

TEST_F(FileCommandTest, MissingSongsFolderIsCreated) {
    fs::remove_all(dir_ / "data" / "songs");
    TypeName("new");
    Note(0, "y");
    Save();
    EXPECT_EQ(e.StatusInfo, String("File Saved..."));
    EXPECT_EQ(ReadBytes(Song("new"))[7], 'y');
}

TEST_F(FileCommandTest, SongsFolderThatCannotBeMadeFailsAndKeepsTheSong) {
    fs::remove_all(dir_ / "data" / "songs");
    std::ofstream(dir_ / "data" / "songs") << "not a folder";
    TypeName("tune");
    Note(3, "r");
    e.spd = 7;
    Save();
    EXPECT_EQ(e.StatusInfo, String("Saving Failed!"));
    EXPECT_EQ(e.Track[1].Slice(3, 4), String("r"));
    EXPECT_EQ(e.spd, 7.0f);
}

TEST_F(FileCommandTest, UnwritableBackupFailsAndKeepsTheEditedSong) {
    TypeName("tune");
    Note(0, "q");
    Save();
    const std::string saved = ReadBytes(Song("tune"));
    fs::remove(Song("tune.bk"));
    fs::create_directory(Song("tune.bk"));  // cannot be opened for writing, even by root
    Note(0, "w");
    e.Songlength = 64;
    Save();
    EXPECT_EQ(e.StatusInfo, String("Saving Failed!"));
    // Not the version on disk that the backup step had loaded.
    EXPECT_EQ(e.Track[1].Slice(0, 1), String("w"));
    EXPECT_EQ(e.Songlength, 64);
    EXPECT_EQ(ReadBytes(Song("tune")), saved);
}

TEST_F(FileCommandTest, UnwritableSongFileFails) {
    fs::create_directory(Song("tune"));
    TypeName("tune");
    Note(0, "q");
    Save();
    EXPECT_EQ(e.StatusInfo, String("Saving Failed!"));
    EXPECT_EQ(e.Track[1].Slice(0, 1), String("q"));
}

TEST_F(FileCommandTest, EmptyNameWritesNothing) {
    Note(0, "q");
    Save();
    EXPECT_EQ(e.StatusInfo, String("Enter a Name..."));
    EXPECT_TRUE(fs::is_empty(dir_ / "data" / "songs"));
    EXPECT_EQ(e.Track[1].Slice(0, 1), String("q"));
    Load();
    EXPECT_EQ(e.StatusInfo, String("Loading Failed!"));
    EXPECT_EQ(e.Track[1].Slice(0, 1), String("q"));
}

TEST_F(FileCommandTest, DotNamesNeverLeaveTheSongsFolder) {
    for (const char* name : {".", ".."}) {
        e.Filename = name;
        Note(0, "q");
        Save();
        EXPECT_EQ(e.StatusInfo, String("Saving Failed!")) << name;
        Load();
        EXPECT_EQ(e.StatusInfo, String("Loading Failed!")) << name;
        EXPECT_EQ(e.Track[1].Slice(0, 1), String("q"));
    }
    EXPECT_TRUE(fs::is_empty(dir_ / "data" / "songs"));
}

}  // namespace
