#include "safety/sha1.h"

#include <cstring>

#include "safety/wipe.h"

namespace safety {

namespace {

uint32_t Rotl(uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

}  // namespace

void Sha1::Reset() {
    h_[0] = 0x67452301u;
    h_[1] = 0xEFCDAB89u;
    h_[2] = 0x98BADCFEu;
    h_[3] = 0x10325476u;
    h_[4] = 0xC3D2E1F0u;
    used_ = 0;
    length_ = 0;
}

void Sha1::Compress(const uint8_t* block) {
    uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = (uint32_t(block[4 * t]) << 24) | (uint32_t(block[4 * t + 1]) << 16) | (uint32_t(block[4 * t + 2]) << 8) |
               uint32_t(block[4 * t + 3]);
    for (int t = 16; t < 80; ++t) w[t] = Rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    uint32_t a = h_[0], b = h_[1], c = h_[2], d = h_[3], e = h_[4];
    for (int t = 0; t < 80; ++t) {
        uint32_t f, k;
        if (t < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999u;
        } else if (t < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1u;
        } else if (t < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDCu;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6u;
        }
        const uint32_t temp = Rotl(a, 5) + f + e + w[t] + k;
        e = d;
        d = c;
        c = Rotl(b, 30);
        b = a;
        a = temp;
    }
    h_[0] += a;
    h_[1] += b;
    h_[2] += c;
    h_[3] += d;
    h_[4] += e;
    Wipe(w, sizeof w);
}

void Sha1::Update(const void* bytes, size_t size) {
    const uint8_t* p = static_cast<const uint8_t*>(bytes);
    length_ += size;
    while (size > 0) {
        const size_t take = size < 64 - used_ ? size : 64 - used_;
        std::memcpy(buffer_ + used_, p, take);
        used_ += take;
        p += take;
        size -= take;
        if (used_ == 64) {
            Compress(buffer_);
            used_ = 0;
        }
    }
}

Sha1Digest Sha1::Final() {
    const uint64_t bits = length_ * 8;
    const uint8_t one = 0x80;
    Update(&one, 1);
    const uint8_t zero = 0;
    while (used_ != 56) Update(&zero, 1);
    uint8_t size[8];
    for (int i = 0; i < 8; ++i) size[i] = uint8_t(bits >> (56 - 8 * i));
    Update(size, 8);
    Sha1Digest digest;
    for (int i = 0; i < 20; ++i) digest[i] = uint8_t(h_[i / 4] >> (24 - 8 * (i % 4)));
    Burn();
    return digest;
}

void Sha1::Burn() {
    Wipe(h_, sizeof h_);
    Wipe(buffer_, sizeof buffer_);
    used_ = 0;
    length_ = 0;
}

Sha1Digest Sha1::Of(const std::string& bytes) {
    Sha1 hash;
    hash.Update(bytes);
    return hash.Final();
}

}  // namespace safety
