// A byte buffer that owns its bytes, with little-endian pokes and peeks.
#pragma once

#include <cstdint>

#include "runtime/string.h"

class BBDataBuffer {
public:
    BBDataBuffer() = default;
    BBDataBuffer(const BBDataBuffer&) = delete;
    BBDataBuffer& operator=(const BBDataBuffer&) = delete;
    virtual ~BBDataBuffer();

    // Takes `data` (allocated with std::malloc) or allocates `length` zero bytes
    // when data is null; 0 when the buffer already holds bytes.
    int _New(int length, unsigned char* data = nullptr);
    // Takes the bytes of LoadData(path); 1 when the file gave bytes.
    int _Load(const String& path);
    void Discard();

    int Length() const { return length_; }
    const unsigned char* ReadPointer(int offset = 0) const { return data_ + offset; }
    unsigned char* WritePointer(int offset = 0) { return data_ + offset; }

    // Accesses that would reach outside the buffer store nothing and read 0.
    void PokeByte(int address, int value);
    void PokeShort(int address, int value);
    void PokeInt(int address, int value);
    void PokeFloat(int address, float value);
    int PeekByte(int address) const;   // sign-extended
    int PeekShort(int address) const;  // sign-extended
    int PeekInt(int address) const;
    float PeekFloat(int address) const;

protected:
    bool InRange(int address, int size) const {
        return data_ && address >= 0 && size <= length_ && address <= length_ - size;
    }

    unsigned char* data_ = nullptr;
    int length_ = 0;
};

class DataBuffer : public BBDataBuffer {
public:
    DataBuffer() = default;
    explicit DataBuffer(int length) { _New(length); }

    // Encodes the string ("utf8" or "ascii") and stores as many bytes as fit from
    // address on; returns the byte count of the whole encoding. Any other
    // encoding is a fatal error.
    int PokeString(int address, const String& value, const String& encoding = "utf8");
    // Stores the low 8 bits of values[offset .. offset+count-1], limited to the
    // buffer and to the array of `size` ints.
    void PokeBytes(int address, const int* values, int size, int offset, int count);
};
