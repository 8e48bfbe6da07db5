// Immutable UTF-16 string with value semantics; copies share one buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class String {
public:
    String() = default;
    String(const char* utf8);             // NOLINT: literals convert implicitly
    String(const std::string& utf8);      // NOLINT
    explicit String(int value);           // decimal text
    explicit String(std::u16string text);

    static String FromChar(int code);     // one 16-bit character
    static String FromUtf8(std::string_view utf8);

    int Length() const { return text_ ? static_cast<int>(text_->size()) : 0; }
    bool Empty() const { return Length() == 0; }
    // Character code at index; callers keep the index in range.
    int operator[](int index) const { return (*text_)[static_cast<size_t>(index)]; }

    // Negative bounds count from the end; out-of-range bounds clamp to [0, Length].
    String Slice(int from) const;
    String Slice(int from, int to) const;
    String ToUpper() const;
    // Reads optional white space, a sign and decimal digits; 0 when there are none.
    int ToInt() const;

    std::string ToUtf8() const;
    std::u16string_view View() const {
        return text_ ? std::u16string_view(*text_) : std::u16string_view();
    }
    // True when both share the same buffer (or are both empty): no copy was made.
    bool SharesWith(const String& other) const { return text_ == other.text_; }

    friend String operator+(const String& a, const String& b);
    String& operator+=(const String& b) { return *this = *this + b; }
    friend bool operator==(const String& a, const String& b) { return a.View() == b.View(); }
    friend bool operator!=(const String& a, const String& b) { return !(a == b); }
    friend bool operator<(const String& a, const String& b) { return a.View() < b.View(); }

private:
    std::shared_ptr<const std::u16string> text_;
};

String operator+(const String& a, int b);

// UTF-8 of up to three bytes per 16-bit character, as every text output of the program uses.
std::string EncodeUtf8(std::u16string_view text);
