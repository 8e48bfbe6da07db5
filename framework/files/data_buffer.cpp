// Byte buffers: ownership, pokes and peeks, string encoding.
#include "framework/files/data_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/files/files.h"
#include "runtime/error.h"

BBDataBuffer::~BBDataBuffer() {
    Discard();
}

int BBDataBuffer::_New(int length, unsigned char* data) {
    if (data_) return 0;
    if (length < 0) length = 0;
    if (!data) {
        data = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(length) + 1, 1));
        if (!data) return 0;
    }
    data_ = data;
    length_ = length;
    return 1;
}

int BBDataBuffer::_Load(const String& path) {
    if (data_) return 0;
    int length = 0;
    unsigned char* data = LoadData(path, &length);
    if (!data) return 0;
    data_ = data;
    length_ = length;
    return 1;
}

void BBDataBuffer::Discard() {
    std::free(data_);
    data_ = nullptr;
    length_ = 0;
}

// Multi-byte values are little-endian whatever the host order.
void BBDataBuffer::PokeByte(int address, int value) {
    if (InRange(address, 1)) data_[address] = static_cast<unsigned char>(value);
}

void BBDataBuffer::PokeShort(int address, int value) {
    if (!InRange(address, 2)) return;
    data_[address] = static_cast<unsigned char>(value);
    data_[address + 1] = static_cast<unsigned char>(value >> 8);
}

void BBDataBuffer::PokeInt(int address, int value) {
    if (!InRange(address, 4)) return;
    const auto u = static_cast<uint32_t>(value);
    for (int k = 0; k < 4; ++k) data_[address + k] = static_cast<unsigned char>(u >> (8 * k));
}

void BBDataBuffer::PokeFloat(int address, float value) {
    uint32_t u;
    std::memcpy(&u, &value, 4);
    PokeInt(address, static_cast<int>(u));
}

int BBDataBuffer::PeekByte(int address) const {
    return InRange(address, 1) ? static_cast<int8_t>(data_[address]) : 0;
}

int BBDataBuffer::PeekShort(int address) const {
    if (!InRange(address, 2)) return 0;
    return static_cast<int16_t>(data_[address] | (data_[address + 1] << 8));
}

int BBDataBuffer::PeekInt(int address) const {
    if (!InRange(address, 4)) return 0;
    uint32_t u = 0;
    for (int k = 0; k < 4; ++k) u |= static_cast<uint32_t>(data_[address + k]) << (8 * k);
    return static_cast<int>(u);
}

float BBDataBuffer::PeekFloat(int address) const {
    const auto u = static_cast<uint32_t>(PeekInt(address));
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

int DataBuffer::PokeString(int address, const String& value, const String& encoding) {
    const std::u16string_view text = value.View();
    unsigned char* out = data_ && address >= 0 && address < length_ ? data_ + address : nullptr;
    const int room = out ? length_ - address : 0;
    int produced = 0;
    auto put = [&](unsigned byte) {
        if (produced < room) out[produced] = static_cast<unsigned char>(byte);
        ++produced;
    };
    if (encoding == "utf8") {
        // Each 16-bit character on its own; surrogates are not paired.
        for (char16_t c : text) {
            if (c < 0x80) {
                put(c);
            } else if (c < 0x800) {
                put(0xC0 | (c >> 6));
                put(0x80 | (c & 0x3F));
            } else {
                put(0xE0 | (c >> 12));
                put(0x80 | ((c >> 6) & 0x3F));
                put(0x80 | (c & 0x3F));
            }
        }
        return produced;
    }
    if (encoding == "ascii") {
        for (char16_t c : text) put(c & 0xFF);
        return produced;
    }
    bbError(String("Invalid string encoding:") + encoding);
}

void DataBuffer::PokeBytes(int address, const int* values, int size, int offset, int count) {
    if (!data_ || !values || address < 0 || offset < 0 || count <= 0) return;
    const int n = std::min({count, length_ - address, size - offset});
    for (int k = 0; k < n; ++k) data_[address + k] = static_cast<unsigned char>(values[offset + k]);
}
