// Every input kept under tests/fuzz/inputs/ (named edge cases and anything the
// fuzzer ever broke on) loads safely and survives a save and load.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/fuzz/song_property.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SongFileRegressions, EveryKeptInputKeepsTheProperty) {
    std::vector<std::filesystem::path> inputs;
    for (const auto& e : std::filesystem::directory_iterator(QT_SOURCE_DIR "/tests/fuzz/inputs")) {
        if (e.is_regular_file()) inputs.push_back(e.path());
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty());
    TempWorkDir dir;
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(song_property::Check(bytes), "") << path.filename();
    }
}

}  // namespace
