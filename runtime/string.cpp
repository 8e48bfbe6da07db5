// Immutable UTF-16 string.
#include "runtime/string.h"

#include <climits>

namespace {

std::u16string DecodeUtf8(std::string_view in) {
    std::u16string out;
    out.reserve(in.size());
    size_t i = 0;
    while (i < in.size()) {
        unsigned c = static_cast<unsigned char>(in[i]);
        auto cont = [&](size_t k) {
            return i + k < in.size() && (static_cast<unsigned char>(in[i + k]) & 0xC0) == 0x80;
        };
        if (c < 0x80) {
            out.push_back(static_cast<char16_t>(c));
            i += 1;
        } else if ((c & 0xE0) == 0xC0 && cont(1)) {
            out.push_back(static_cast<char16_t>(((c & 0x1F) << 6) | (in[i + 1] & 0x3F)));
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && cont(1) && cont(2)) {
            out.push_back(static_cast<char16_t>(((c & 0x0F) << 12) | ((in[i + 1] & 0x3F) << 6) |
                                                (in[i + 2] & 0x3F)));
            i += 3;
        } else {
            // Not a sequence we produce: keep the byte as one character.
            out.push_back(static_cast<char16_t>(c));
            i += 1;
        }
    }
    return out;
}

}  // namespace

String::String(const char* utf8) : String(FromUtf8(utf8 ? utf8 : "")) {}

String::String(const std::string& utf8) : String(FromUtf8(utf8)) {}

String::String(int value) : String(std::to_string(value)) {}

String::String(std::u16string text) {
    if (!text.empty()) text_ = std::make_shared<const std::u16string>(std::move(text));
}

String String::FromChar(int code) {
    return String(std::u16string(1, static_cast<char16_t>(code)));
}

String String::FromUtf8(std::string_view utf8) {
    return String(DecodeUtf8(utf8));
}

String String::Slice(int from) const {
    return Slice(from, Length());
}

String String::Slice(int from, int to) const {
    const int len = Length();
    if (from < 0) {
        from += len;
        if (from < 0) from = 0;
    } else if (from > len) {
        from = len;
    }
    if (to < 0) {
        to += len;
    } else if (to > len) {
        to = len;
    }
    if (to <= from) return String();
    if (from == 0 && to == len) return *this;
    return String(std::u16string(text_->substr(static_cast<size_t>(from),
                                               static_cast<size_t>(to - from))));
}

String String::ToUpper() const {
    std::u16string out(View());
    bool changed = false;
    for (auto& c : out) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - 32);
            changed = true;
        }
    }
    return changed ? String(std::move(out)) : *this;
}

int String::ToInt() const {
    // Only the first 63 characters take part, each narrowed to its low byte.
    char buf[64];
    const int n = Length() < 63 ? Length() : 63;
    for (int k = 0; k < n; ++k) buf[k] = static_cast<char>((*text_)[static_cast<size_t>(k)] & 0xFF);
    buf[n] = 0;
    const char* p = buf;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Saturate like the C library's long conversion, then narrow to int.
    long value = 0;
    bool saturated = false;
    for (; *p >= '0' && *p <= '9'; ++p) {
        const int digit = *p - '0';
        if (!saturated) {
            if (value > (LONG_MAX - digit) / 10) {
                saturated = true;
            } else {
                value = value * 10 + digit;
            }
        }
    }
    if (saturated) return static_cast<int>(negative ? LONG_MIN : LONG_MAX);
    return static_cast<int>(negative ? -value : value);
}

std::string String::ToUtf8() const {
    return EncodeUtf8(View());
}

String operator+(const String& a, const String& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    std::u16string out;
    out.reserve(static_cast<size_t>(a.Length() + b.Length()));
    out.append(a.View());
    out.append(b.View());
    return String(std::move(out));
}

String operator+(const String& a, int b) {
    return a + String(b);
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
