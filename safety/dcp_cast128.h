// The cipher component of the password dialog: CAST-128 keyed from a
// password through SHA-1, in CFB mode with 8-bit feedback.
//
// The key is the first 16 bytes of the SHA-1 digest of the password's bytes;
// the feedback register starts as the block of eight 0xFF bytes encrypted
// once with that key. For each byte the register is encrypted, the first
// byte of the result XOR the data byte is the output, and the register
// shifts left by one byte and takes the ciphertext byte last.
#pragma once

#include <cstdint>
#include <string>

#include "safety/cast128.h"
#include "widgets/component.h"

namespace safety {

class TDCP_cast128 : public widgets::TComponent {
public:
    explicit TDCP_cast128(widgets::TComponent* owner) : widgets::TComponent(owner) {}
    ~TDCP_cast128() override { Burn(); }

    const char* ClassName() const override { return "TDCP_cast128"; }

    // Keys the cipher from the password's bytes and sets the register to
    // the initialisation vector. The digest is wiped.
    void InitStr(const std::string& password);
    bool Initialized() const { return cipher_.HasKey(); }
    // The register as the next byte meets it.
    const uint8_t* Register() const { return register_; }

    std::string EncryptCFB8bit(const std::string& bytes);
    std::string DecryptCFB8bit(const std::string& bytes);

    // Overwrites the key schedule and the register with 0xFF bytes.
    void Burn();

private:
    std::string Run(const std::string& bytes, bool decrypt);

    Cast128 cipher_;
    uint8_t register_[Cast128::kBlockSize] = {};
};

}  // namespace safety
