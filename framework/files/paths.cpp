// Virtual paths, opening files and reading whole files.
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>

#include "framework/files/files.h"

namespace {

bool StartsWith(const String& s, std::u16string_view prefix) {
    return s.View().substr(0, prefix.size()) == prefix;
}

constexpr size_t kBlock = 4096;

// Reads in blocks until the first short one. The size known up front only
// saves regrowing the buffer; the blocks decide where the file ends.
std::string ReadAll(std::FILE* file) {
    size_t hint = 0;
    struct stat info;
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        hint = static_cast<size_t>(info.st_size);
    }
    std::string bytes(hint + kBlock, '\0');
    size_t total = 0;
    for (;;) {
        if (bytes.size() < total + kBlock) bytes.resize(2 * bytes.size());
        const size_t n = std::fread(&bytes[total], 1, kBlock, file);
        total += n;
        if (n < kBlock) break;
    }
    bytes.resize(total);
    return bytes;
}

// UTF-8 of one to three bytes; false on anything else.
bool DecodeUtf8(const unsigned char* p, size_t n, std::u16string& out) {
    out.resize(n);  // never more characters than bytes
    char16_t* o = &out[0];
    size_t i = 0;
    auto cont = [&](size_t k) { return i + k < n && (p[i + k] & 0xC0) == 0x80; };
    while (i < n) {
        const unsigned c = p[i];
        if (c < 0x80) {
            *o++ = static_cast<char16_t>(c);
            i += 1;
        } else if ((c & 0xE0) == 0xC0 && cont(1)) {
            *o++ = static_cast<char16_t>(((c & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && cont(1) && cont(2)) {
            *o++ = static_cast<char16_t>(((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) |
                                         (p[i + 2] & 0x3F));
            i += 3;
        } else {
            return false;
        }
    }
    out.resize(static_cast<size_t>(o - out.data()));
    return true;
}

}  // namespace

String FixDataPath(const String& path) {
    const std::u16string_view v = path.View();
    const size_t scheme = v.find(u":/");
    // A scheme or drive: the first "/" of the path is the one of its first ":/".
    if (scheme != std::u16string_view::npos && v.find(u'/') == scheme + 1) return path;
    if (StartsWith(path, u"./") || StartsWith(path, u"/")) return path;
    return String("zorbit://data/") + path;
}

String PathToFilePath(const String& path) {
    if (!StartsWith(path, u"zorbit:")) return path;
    static const struct {
        std::u16string_view prefix;
        const char* real;
    } kRoots[] = {
        {u"zorbit://data/", "./data/"},
        {u"zorbit://internal/", "./internal/"},
        {u"zorbit://external/", "./external/"},
    };
    for (const auto& root : kRoots) {
        if (StartsWith(path, root.prefix)) {
            return String(root.real) + path.Slice(static_cast<int>(root.prefix.size()));
        }
    }
    return String();
}

std::FILE* OpenFile(const String& path, const String& mode) {
    const String real = PathToFilePath(path);
    if (real.Empty()) return nullptr;
    // The platform opens names by their UTF-8 bytes. A name holding a NUL would
    // be cut short and open some other file, so it opens nothing.
    if (real.View().find(u'\0') != std::u16string_view::npos) return nullptr;
    return std::fopen(real.ToUtf8().c_str(), mode.ToUtf8().c_str());
}

String DecodeText(const unsigned char* p, size_t n) {
    if (n == 0 || !p) return String();
    std::u16string out;
    if (n >= 2 && ((p[0] == 0xFE && p[1] == 0xFF) || (p[0] == 0xFF && p[1] == 0xFE))) {
        const bool big = p[0] == 0xFE;
        out.reserve((n - 2) / 2);
        for (size_t i = 2; i + 1 < n; i += 2) {
            const unsigned hi = big ? p[i] : p[i + 1];
            const unsigned lo = big ? p[i + 1] : p[i];
            out.push_back(static_cast<char16_t>((hi << 8) | lo));
        }
        return String(std::move(out));
    }
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        p += 3;
        n -= 3;
    }
    if (!DecodeUtf8(p, n, out)) out.assign(p, p + n);
    return String(std::move(out));
}

String LoadStringFromFile(std::FILE* file) {
    const std::string bytes = ReadAll(file);
    return DecodeText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

String LoadFileString(const String& path) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return String();
    String text = LoadStringFromFile(file);
    std::fclose(file);
    return text;
}

String LoadString(const String& path) {
    return LoadFileString(FixDataPath(path));
}

unsigned char* LoadData(const String& path, int* length) {
    if (length) *length = 0;
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return nullptr;
    const std::string bytes = ReadAll(file);
    std::fclose(file);
    // A folder opens but reads nothing; so does an empty file. Both give a
    // block of no bytes, which the caller still owns.
    auto* data = static_cast<unsigned char*>(std::malloc(bytes.size() ? bytes.size() : 1));
    if (!data) return nullptr;
    std::memcpy(data, bytes.data(), bytes.size());
    if (length) *length = static_cast<int>(bytes.size());
    return data;
}
