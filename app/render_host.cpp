// The headless host and the WAV writer of the song renderer.
#include "app/render_host.h"

#include <algorithm>

#include "framework/audio/audio.h"
#include "framework/audio/audio_device.h"
#include "framework/input/input.h"

HeadlessHost::HeadlessHost() : audio_(NewLoopbackAudio(kFrequency)) {
    SetAudioDevice(audio_);
    SetInputDevice(&input_);
}

HeadlessHost::~HeadlessHost() {
    if (GetInputDevice() == &input_) SetInputDevice(nullptr);
    if (GetAudioDevice() == audio_) SetAudioDevice(nullptr);
    // The device is kept, as every device of the program is: its sources and
    // buffers live until the process ends.
}

void HeadlessHost::TapKey(int key) {
    input_.KeyEvent(kEventKeyDown, key);
    input_.KeyEvent(kEventKeyUp, key);
}

void HeadlessHost::Update(App& app) {
    input_.BeginUpdate();
    app.OnUpdate();
    input_.EndUpdate();
}

void HeadlessHost::Mix(int16_t* out, int frames) {
    RenderLoopback(audio_, out, frames);
}

void HeadlessHost::Step(App& app, std::vector<int16_t>& out) {
    Update(app);
    const size_t at = out.size();
    out.resize(at + 2 * kFramesPerUpdate);
    Mix(out.data() + at, kFramesPerUpdate);
}

namespace {

void Put16(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

void Put32(unsigned char* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

constexpr int kHeaderBytes = 44;

void FillHeader(unsigned char* h, int frequency, uint32_t dataBytes) {
    const uint32_t channels = 2, bytesPerSample = 2;
    std::copy_n("RIFF", 4, h);
    Put32(h + 4, 36 + dataBytes);
    std::copy_n("WAVEfmt ", 8, h + 8);
    Put32(h + 16, 16);
    Put16(h + 20, 1);  // integer PCM
    Put16(h + 22, channels);
    Put32(h + 24, static_cast<uint32_t>(frequency));
    Put32(h + 28, static_cast<uint32_t>(frequency) * channels * bytesPerSample);
    Put16(h + 32, channels * bytesPerSample);
    Put16(h + 34, 16);
    std::copy_n("data", 4, h + 36);
    Put32(h + 40, dataBytes);
}

}  // namespace

WavWriter::~WavWriter() {
    if (file_) std::fclose(file_);
}

bool WavWriter::Open(const std::string& path, int frequency) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    data_bytes_ = 0;
    failed_ = false;
    frequency_ = frequency;
    unsigned char header[kHeaderBytes];
    FillHeader(header, frequency, 0);
    failed_ = std::fwrite(header, 1, kHeaderBytes, file_) != kHeaderBytes;
    return !failed_;
}

bool WavWriter::Write(const int16_t* samples, size_t frames) {
    if (!file_ || failed_) return false;
    // Little-endian on disk whatever the machine.
    std::vector<unsigned char> bytes(frames * 4);
    for (size_t k = 0; k < frames * 2; ++k) Put16(&bytes[2 * k], static_cast<uint16_t>(samples[k]));
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
    data_bytes_ += static_cast<uint32_t>(bytes.size());
    return !failed_;
}

bool WavWriter::Close() {
    if (!file_) return false;
    unsigned char header[kHeaderBytes];
    FillHeader(header, frequency_, data_bytes_);
    if (!failed_) {
        failed_ = std::fseek(file_, 0, SEEK_SET) != 0 ||
                  std::fwrite(header, 1, kHeaderBytes, file_) != kHeaderBytes;
    }
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}
