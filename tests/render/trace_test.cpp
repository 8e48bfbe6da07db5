// Tick-level regression trace of a small reference song: every audio call of every
// update (rates, levels, plays, pauses, stops), as the recording device sees them,
// compared line by line with the committed trace.
//
// When a change of the sound is meant, regenerate the trace from the build folder:
//   QT_UPDATE_TRACE=1 ./tests/render_trace_test
// and commit tests/render/reference.trace with the change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/render_host.h"
#include "framework/audio/audio.h"
#include "framework/input/input.h"
#include "tests/support/audio_calls.h"
#include "tests/support/fresh_engine.h"
#include "tracker/songfile.h"

namespace {

const std::string kSong = std::string(QT_SOURCE_DIR) + "/tests/render/reference.song";
const std::string kTrace = std::string(QT_SOURCE_DIR) + "/tests/render/reference.trace";

std::vector<std::string> RecordTrace() {
    AudioRecorder audio;
    InputDevice input;
    SetInputDevice(&input);
    auto e = MakeFreshEngine();
    EXPECT_NE(e->Bass, nullptr) << "run from the build folder, with data/ generated";
    const bool loaded = LoadFileAt(*e, String(kSong)) == String("File Loaded...");
    EXPECT_TRUE(loaded);
    std::vector<const void*> samples;
    for (Sound* s : {e->Square, e->Ramp, e->Ramp2, e->Saw, e->Noise, e->Bass}) samples.push_back(s ? s->sample : nullptr);
    audio.Take();

    std::vector<std::string> lines;
    input.KeyEvent(kEventKeyDown, KEY_F1);
    input.KeyEvent(kEventKeyUp, KEY_F1);
    // The lead-in, every row of the three positions, and the first rows after the wrap.
    for (int update = 1; update <= 3 + 3 * 32 * 3 + 12; ++update) {
        input.BeginUpdate();
        e->OnUpdate();
        input.EndUpdate();
        lines.push_back("update " + std::to_string(update) + " pos " + std::to_string(e->pcount) + " row " +
                        std::to_string(e->i));
        for (const AudioCall& c : audio.Take()) lines.push_back("  " + Describe(c, samples));
    }
    SetInputDevice(nullptr);
    return lines;
}

TEST(TraceTest, ReferenceSongPlaysAsRecorded) {
    const std::vector<std::string> actual = RecordTrace();
    if (std::getenv("QT_UPDATE_TRACE")) {
        std::ofstream out(kTrace);
        for (const std::string& line : actual) out << line << "\n";
        ASSERT_TRUE(out.good());
        GTEST_SKIP() << "trace written to " << kTrace;
    }
    std::ifstream in(kTrace);
    ASSERT_TRUE(in.good()) << kTrace;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    // The first difference, with the update it belongs to, says more than a count.
    std::string update;
    for (size_t k = 0; k < std::min(actual.size(), expected.size()); ++k) {
        if (expected[k].rfind("update", 0) == 0) update = expected[k];
        ASSERT_EQ(actual[k], expected[k]) << "line " << k + 1 << ", in " << update;
    }
    EXPECT_EQ(actual.size(), expected.size());
}

}  // namespace
