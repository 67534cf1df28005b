#include "safety/dcp_cast128.h"

#include <cstring>
#include <stdexcept>

#include "safety/sha1.h"
#include "safety/wipe.h"

namespace safety {

void TDCP_cast128::InitStr(const std::string& password) {
    Sha1Digest digest = Sha1::Of(password);
    cipher_.SetKey(digest.data());
    Wipe(digest.data(), digest.size());
    std::memset(register_, 0xFF, sizeof register_);
    cipher_.EncryptBlock(register_);
}

std::string TDCP_cast128::EncryptCFB8bit(const std::string& bytes) { return Run(bytes, false); }

std::string TDCP_cast128::DecryptCFB8bit(const std::string& bytes) { return Run(bytes, true); }

std::string TDCP_cast128::Run(const std::string& bytes, bool decrypt) {
    if (!cipher_.HasKey()) throw std::logic_error("Cipher not initialized");
    std::string out(bytes.size(), '\0');
    uint8_t block[Cast128::kBlockSize];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::memcpy(block, register_, sizeof block);
        cipher_.EncryptBlock(block);
        const uint8_t in = uint8_t(bytes[i]);
        const uint8_t result = uint8_t(block[0] ^ in);
        out[i] = char(result);
        std::memmove(register_, register_ + 1, sizeof register_ - 1);
        register_[sizeof register_ - 1] = decrypt ? in : result;
    }
    Wipe(block, sizeof block);
    return out;
}

void TDCP_cast128::Burn() {
    cipher_.Burn();
    Wipe(register_, sizeof register_);
}

}  // namespace safety
