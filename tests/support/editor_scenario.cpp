#include "tests/support/editor_scenario.h"

#include "app/key_map.h"
#include "framework/audio/audio.h"
#include "framework/input/input.h"
#include "tests/support/fresh_engine.h"

EditorScenario::EditorScenario() {
    SetInputDevice(&input_);
    SetAudioDevice(&audio_);
    engine_ = MakeFreshEngine(false);
    engine_->OnCreate();
}

EditorScenario::~EditorScenario() {
    SetInputDevice(nullptr);
    SetAudioDevice(nullptr);
}

void EditorScenario::Press(int key) {
    Hold(key);
    Release(key);
}

void EditorScenario::Hold(int key) {
    input_.KeyEvent(kEventKeyDown, key);
    if (int c = EditingKeyChar(key)) input_.KeyEvent(kEventChar, c);
}

void EditorScenario::Release(int key) {
    input_.KeyEvent(kEventKeyUp, key);
}

void EditorScenario::Type(int code) {
    input_.KeyEvent(kEventChar, code);
}

void EditorScenario::Click(float x, float y) {
    input_.MouseEvent(kEventMouseMove, -1, x, y);
    input_.MouseEvent(kEventMouseDown, 0, x, y);
    input_.MouseEvent(kEventMouseUp, 0, x, y);
}

void EditorScenario::Update(int count) {
    for (int n = 0; n < count; ++n) {
        input_.BeginUpdate();
        engine_->OnUpdate();
        input_.EndUpdate();
    }
}

void EditorScenario::TypeEach(const char* text) {
    for (const char* c = text; *c; ++c) {
        Type(static_cast<unsigned char>(*c));
        Update();
    }
}

void EditorScenario::StartEditing() {
    Press(KEY_SPACE);
    Update();
}

void EditorScenario::ClearAudio() {
    audio_.Clear();
}

namespace {

bool Called(const RecordingAudio& audio, RecordingAudio::Op op, int channel) {
    for (const RecordingAudio::Call& c : audio.Calls()) {
        if (c.op == op && c.channel == channel) return true;
    }
    return false;
}

}  // namespace

bool EditorScenario::Played(int channel) const {
    return Called(audio_, RecordingAudio::Op::Play, channel);
}

bool EditorScenario::Stopped(int channel) const {
    return Called(audio_, RecordingAudio::Op::Stop, channel);
}

float EditorScenario::FirstRate(int channel) const {
    for (const RecordingAudio::Call& c : audio_.Calls()) {
        if (c.op == RecordingAudio::Op::Rate && c.channel == channel) return c.value;
    }
    return 0;
}
