// CAST-128 (RFC 2144) with a 128-bit key and 16 rounds: the block cipher
// that encrypts the password's verification text.
#pragma once

#include <cstdint>

namespace safety {

class Cast128 {
public:
    static constexpr int kBlockSize = 8;
    static constexpr int kKeySize = 16;

    Cast128() = default;
    // The key schedule is wiped.
    ~Cast128() { Burn(); }
    Cast128(const Cast128&) = delete;
    Cast128& operator=(const Cast128&) = delete;

    // Builds the key schedule from a 128-bit key.
    void SetKey(const uint8_t key[kKeySize]);
    bool HasKey() const { return keyed_; }
    // One block in place.
    void EncryptBlock(uint8_t block[kBlockSize]) const;
    void DecryptBlock(uint8_t block[kBlockSize]) const;
    // Overwrites the key schedule with 0xFF bytes.
    void Burn();

private:
    uint32_t masking_[16] = {};
    uint8_t rotation_[16] = {};
    bool keyed_ = false;
};

// The eight S-boxes of RFC 2144, Appendix A.
extern const uint32_t kCastSBox[8][256];

}  // namespace safety
