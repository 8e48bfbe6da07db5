// libFuzzer target: any bytes as a song file keep the song file's property.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "tests/fuzz/song_property.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A private data folder, in memory where the machine has one.
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string dir = (base / "qt-songfuzz-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    std::filesystem::create_directories(std::filesystem::path(dir) / "data" / "songs");
    std::filesystem::current_path(dir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem =
        song_property::Check(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "song file property broken: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
