// A tiny Ogg Vorbis writer for the decoder's tests: a valid stream of short
// blocks whose floors are all unused, so it decodes to silence of a known
// length. Only as much of the format as such a stream needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace silent_vorbis {

// Bits are packed from the lowest bit of each byte up, as Vorbis reads them.
class BitWriter {
public:
    void Put(uint32_t value, int bits) {
        for (int k = 0; k < bits; ++k, ++pos_) {
            if (pos_ % 8 == 0) bytes_.push_back(0);
            if ((value >> k) & 1) bytes_.back() = static_cast<char>(bytes_.back() | (1 << (pos_ % 8)));
        }
    }
    void Text(const char* s) {
        for (; *s; ++s) Put(static_cast<unsigned char>(*s), 8);
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    long pos_ = 0;
};

inline uint32_t OggCrc(const std::string& page) {
    uint32_t crc = 0;
    for (unsigned char c : page) {
        crc ^= static_cast<uint32_t>(c) << 24;
        for (int k = 0; k < 8; ++k) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// One page holding whole packets. flags: 2 first page, 4 last page.
inline std::string Page(const std::vector<std::string>& packets, int flags, uint64_t granule,
                        uint32_t sequence) {
    std::string lacing, body;
    for (const std::string& p : packets) {
        size_t n = p.size();
        for (; n >= 255; n -= 255) lacing += static_cast<char>(255);
        lacing += static_cast<char>(n);
        body += p;
    }
    BitWriter h;
    h.Text("OggS");
    h.Put(0, 8);
    h.Put(static_cast<uint32_t>(flags), 8);
    h.Put(static_cast<uint32_t>(granule), 32);
    h.Put(static_cast<uint32_t>(granule >> 32), 32);
    h.Put(0x51540001u, 32);  // stream serial
    h.Put(sequence, 32);
    h.Put(0, 32);            // checksum, filled in below
    h.Put(static_cast<uint32_t>(lacing.size()), 8);
    std::string page = h.Bytes() + lacing + body;
    const uint32_t crc = OggCrc(page);
    for (int k = 0; k < 4; ++k) page[22 + k] = static_cast<char>(crc >> (8 * k));
    return page;
}

// blocks audio packets of 256 samples each: (blocks - 1) * 128 frames of silence.
inline std::string Stream(int channels, int hertz, int blocks) {
    BitWriter id;
    id.Put(1, 8);
    id.Text("vorbis");
    id.Put(0, 32);
    id.Put(static_cast<uint32_t>(channels), 8);
    id.Put(static_cast<uint32_t>(hertz), 32);
    id.Put(0, 32);
    id.Put(64000, 32);
    id.Put(0, 32);
    id.Put(8, 4);   // short blocks of 256
    id.Put(11, 4);  // long blocks of 2048 (never used)
    id.Put(1, 1);

    BitWriter comment;
    comment.Put(3, 8);
    comment.Text("vorbis");
    comment.Put(2, 32);
    comment.Text("qt");
    comment.Put(0, 32);
    comment.Put(1, 1);

    BitWriter setup;
    setup.Put(5, 8);
    setup.Text("vorbis");
    setup.Put(0, 8);           // one codebook:
    setup.Put(0x564342, 24);   //   sync
    setup.Put(1, 16);          //   one dimension
    setup.Put(2, 24);          //   two entries
    setup.Put(0, 1);           //   not ordered
    setup.Put(0, 1);           //   not sparse
    setup.Put(0, 5);           //   both codewords one bit long
    setup.Put(0, 5);
    setup.Put(0, 4);           //   no lookup
    setup.Put(0, 6);           // one time-domain entry, 0
    setup.Put(0, 16);
    setup.Put(0, 6);           // one floor, type 1, with no partitions
    setup.Put(1, 16);
    setup.Put(0, 5);
    setup.Put(1, 2);           //   multiplier 2
    setup.Put(7, 4);           //   range 128 = half a short block
    setup.Put(0, 6);           // one residue, type 0, one classification without books
    setup.Put(0, 16);
    setup.Put(0, 24);
    setup.Put(128, 24);
    setup.Put(31, 24);
    setup.Put(0, 6);
    setup.Put(0, 8);
    setup.Put(0, 3);
    setup.Put(0, 1);
    setup.Put(0, 6);           // one mapping: one submap, no coupling
    setup.Put(0, 16);
    setup.Put(0, 1);
    setup.Put(0, 1);
    setup.Put(0, 2);
    setup.Put(0, 8);
    setup.Put(0, 8);
    setup.Put(0, 8);
    setup.Put(0, 6);           // one mode: short blocks, mapping 0
    setup.Put(0, 1);
    setup.Put(0, 16);
    setup.Put(0, 16);
    setup.Put(0, 8);
    setup.Put(1, 1);

    // An audio packet: type 0, then every channel's floor unused.
    const std::string audio(1, '\0');
    std::string out = Page({id.Bytes()}, 2, 0, 0) + Page({comment.Bytes(), setup.Bytes()}, 0, 0, 1);
    std::vector<std::string> packets(static_cast<size_t>(blocks), audio);
    out += Page(packets, 4, static_cast<uint64_t>(blocks - 1) * 128, 2);
    return out;
}

}  // namespace silent_vorbis
