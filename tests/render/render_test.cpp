// The song renderer as a program: its output file, its repeatability, and its
// answers to bad arguments, songs it cannot read and outputs it cannot write.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QT_BINARY_DIR) + "/quadtracker-render";
const std::string kSong = std::string(QT_SOURCE_DIR) + "/tests/render/reference.song";

struct Outcome {
    int status;
    std::string err;
};

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/render-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome Render(const std::string& args) {
        const std::string err = (dir / "stderr").string();
        const std::string command = "'" + kProgram + "' " + args + " 2>'" + err + "' >/dev/null";
        const int raw = std::system(command.c_str());
        std::ifstream in(err);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text};
    }
    std::vector<unsigned char> Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir;
};

uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST_F(RenderTest, RendersTheLeadInAndEveryLoopAsTheSameBytesEachTime) {
    const fs::path out = dir / "song.wav";
    ASSERT_EQ(Render("--loops 2 '" + kSong + "' '" + out.string() + "'").status, 0);
    const auto bytes = Bytes(out);
    // spd 3 and 3 positions: 3 + 2 x 3 x 32 x 3 updates of 960 stereo frames.
    const uint32_t data = (3 + 2 * 3 * 32 * 3) * 960 * 4;
    ASSERT_EQ(bytes.size(), 44 + data);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(U32(bytes, 4), 36 + data);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U32(bytes, 20), 1u | 2u << 16) << "PCM, two channels";
    EXPECT_EQ(U32(bytes, 24), 48000u);
    EXPECT_EQ(U32(bytes, 28), 48000u * 4);
    EXPECT_EQ(U32(bytes, 32), 4u | 16u << 16) << "4-byte frames of 16 bits";
    EXPECT_EQ(U32(bytes, 40), data);

    double sum = 0;
    for (size_t k = 44; k + 1 < bytes.size(); k += 2) {
        const double v = static_cast<int16_t>(bytes[k] | bytes[k + 1] << 8) / 32768.0;
        sum += v * v;
    }
    EXPECT_GT(std::sqrt(sum / (data / 2)), 0.02) << "the song is heard";

    const fs::path again = dir / "again.wav";
    ASSERT_EQ(Render("--loops 2 '" + kSong + "' '" + again.string() + "'").status, 0);
    EXPECT_TRUE(Bytes(again) == bytes);
}

TEST_F(RenderTest, BadArgumentsGiveTheUsage) {
    const std::string out = (dir / "x.wav").string();
    const std::string song = "'" + kSong + "' ";
    const std::vector<std::string> cases = {"", song, "a b c", "--loops " + song + out,
                                            "--loops 0 " + song + out, "--loops x a b", "--loops -3 a b",
                                            "--fast " + song + out};
    for (const std::string& args : cases) {
        const Outcome run = Render(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err.rfind("usage: quadtracker-render [--loops N] SONG OUT.wav\n", 0), 0u) << args;
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderTest, SongsItCannotReadAreNamed) {
    const fs::path empty = dir / "empty.song";
    std::ofstream(empty).close();
    const fs::path folder = dir / "folder.song";
    fs::create_directory(folder);
    const fs::path out = dir / "x.wav";
    for (const fs::path& song : {dir / "missing.song", empty, folder}) {
        const Outcome run = Render("'" + song.string() + "' '" + out.string() + "'");
        EXPECT_EQ(run.status, 1) << song;
        EXPECT_NE(run.err.find(song.string()), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderTest, AnOutputItCannotWriteIsNamed) {
    for (const fs::path& out : {dir / "no" / "such" / "folder" / "x.wav", dir}) {
        const Outcome run = Render("'" + kSong + "' '" + out.string() + "'");
        EXPECT_EQ(run.status, 1) << out;
        EXPECT_NE(run.err.find(out.string()), std::string::npos) << run.err;
    }
}

}  // namespace
