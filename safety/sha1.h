// SHA-1 (FIPS 180-1), the hash from which the password's key is derived.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace safety {

using Sha1Digest = std::array<uint8_t, 20>;

class Sha1 {
public:
    Sha1() { Reset(); }
    // The working state and the buffered block are wiped.
    ~Sha1() { Burn(); }
    Sha1(const Sha1&) = delete;
    Sha1& operator=(const Sha1&) = delete;

    void Reset();
    void Update(const void* bytes, size_t size);
    void Update(const std::string& bytes) { Update(bytes.data(), bytes.size()); }
    // The digest of everything given since the reset; the state is wiped.
    Sha1Digest Final();
    // Overwrites the state with 0xFF bytes.
    void Burn();

    // The digest of one text.
    static Sha1Digest Of(const std::string& bytes);

private:
    void Compress(const uint8_t* block);

    uint32_t h_[5];
    uint8_t buffer_[64];
    size_t used_ = 0;
    uint64_t length_ = 0;  // in bytes
};

}  // namespace safety
