// A fresh folder that is the working directory for one test, holding an empty
// data folder with its songs folder; removed again afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TempWorkDir {
public:
    TempWorkDir() {
        old_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "qt-files-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        std::filesystem::create_directories(dir_ / "data" / "songs");
        std::filesystem::current_path(dir_);
    }
    ~TempWorkDir() {
        std::error_code ignored;
        std::filesystem::current_path(old_, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& Path() const { return dir_; }

    // Writes bytes to a file relative to the folder.
    static void Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string Read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path old_;
    std::filesystem::path dir_;
};
