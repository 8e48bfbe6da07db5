// WAV and Ogg Vorbis decoding.
#include "framework/audio/audio_data.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/files/files.h"

#define STB_VORBIS_NO_PUSHDATA_API
#define STB_VORBIS_NO_STDIO
#include <stb/stb_vorbis.h>

namespace {

bool ReadBytes(std::FILE* f, void* out, size_t n) {
    return std::fread(out, 1, n, f) == n;
}

bool ReadU16(std::FILE* f, uint32_t& v) {
    unsigned char b[2];
    if (!ReadBytes(f, b, 2)) return false;
    v = b[0] | (b[1] << 8);
    return true;
}

bool ReadU32(std::FILE* f, uint32_t& v) {
    unsigned char b[4];
    if (!ReadBytes(f, b, 4)) return false;
    v = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
}

// Bytes between the read position and the end of the file.
uint64_t Remaining(std::FILE* f) {
    const long here = std::ftell(f);
    if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(f);
    std::fseek(f, here, SEEK_SET);
    return end > here ? static_cast<uint64_t>(end - here) : 0;
}

bool ReadTag(std::FILE* f, const char* tag) {
    char b[4];
    return ReadBytes(f, b, 4) && std::memcmp(b, tag, 4) == 0;
}

bool EndsWithNoCase(const std::string& s, const char* end) {
    const size_t n = std::strlen(end);
    if (s.size() < n) return false;
    for (size_t k = 0; k < n; ++k) {
        char c = s[s.size() - n + k];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (c != end[k]) return false;
    }
    return true;
}

}  // namespace

bool ReadWav(std::FILE* f, AudioData& out) {
    uint32_t size = 0, v = 0;
    if (!ReadTag(f, "RIFF") || !ReadU32(f, size) || !ReadTag(f, "WAVE") || !ReadTag(f, "fmt ")) {
        return false;
    }
    uint32_t chunk = 0, format = 0, channels = 0, hertz = 0, bits = 0;
    if (!ReadU32(f, chunk) || !ReadU16(f, format) || format != 1) return false;
    if (!ReadU16(f, channels) || !ReadU32(f, hertz) || !ReadU32(f, v) || !ReadU16(f, v) ||
        !ReadU16(f, bits)) {
        return false;
    }
    if (chunk > 16 && std::fseek(f, static_cast<long>(chunk - 16), SEEK_CUR) != 0) return false;
    const int bytes = static_cast<int>(bits / 8);
    for (;;) {
        char tag[4];
        if (!ReadBytes(f, tag, 4) || !ReadU32(f, size)) return false;
        if (std::memcmp(tag, "data", 4) == 0) {
            // The stated size is checked against the file before anything is
            // allocated: a few bytes claiming 4 GB must not take the memory.
            if (size > Remaining(f)) return false;
            std::vector<uint8_t> body(size);
            if (ReadBytes(f, body.data(), size)) {
                const int frameBytes = static_cast<int>(channels) * bytes;
                out.pcm = std::move(body);
                out.channels = static_cast<int>(channels);
                out.format = bytes;
                out.hertz = static_cast<int>(hertz);
                out.length = frameBytes > 0 ? static_cast<int>(size / static_cast<uint32_t>(frameBytes)) : 0;
                return true;
            }
            // A data chunk cut short: the file has nothing more to offer.
            return false;
        }
        // Odd sizes get no pad byte: chunks are skipped by exactly their size.
        if (std::fseek(f, static_cast<long>(size), SEEK_CUR) != 0) return false;
    }
}

bool ReadOgg(const uint8_t* bytes, size_t count, AudioData& out) {
    int channels = 0, hertz = 0;
    short* samples = nullptr;
    const int frames = stb_vorbis_decode_memory(bytes, static_cast<int>(count), &channels, &hertz, &samples);
    if (frames < 0 || !samples) return false;
    const size_t n = static_cast<size_t>(frames) * static_cast<size_t>(channels) * 2;
    out.pcm.assign(reinterpret_cast<uint8_t*>(samples), reinterpret_cast<uint8_t*>(samples) + n);
    std::free(samples);
    out.length = frames;
    out.channels = channels;
    out.format = 2;
    out.hertz = hertz;
    return true;
}

bool LoadAudioData(const String& path, AudioData& out) {
    std::FILE* f = OpenFile(path, "rb");
    if (!f) return false;
    const std::string name = path.ToUtf8();
    bool ok = false;
    if (EndsWithNoCase(name, ".wav")) {
        ok = ReadWav(f, out);
    } else if (EndsWithNoCase(name, ".ogg")) {
        std::vector<uint8_t> bytes;
        uint8_t buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
        ok = ReadOgg(bytes.data(), bytes.size(), out);
    }
    std::fclose(f);
    return ok;
}
