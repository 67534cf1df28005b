// The hash, the cipher, its 8-bit feedback mode and Base64 against their
// standard vectors, and the password's key, initialisation vector and check
// value against an independent implementation.
//
// The known answers marked "OpenSSL" were computed once with
// tools/cast_known_answers.py: OpenSSL's CAST5 through Python's
// "cryptography" package, with a CFB-8 loop that the script first checks
// against OpenSSL's AES-CFB8.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "safety/base64.h"
#include "safety/cast128.h"
#include "safety/dcp_cast128.h"
#include "safety/sha1.h"
#include "safety/wipe.h"
#include "widgets/component.h"

namespace {

using namespace safety;

std::string Hex(const void* bytes, size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    const auto* p = static_cast<const uint8_t*>(bytes);
    for (size_t i = 0; i < size; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 15];
    }
    return out;
}
std::string Hex(const std::string& bytes) { return Hex(bytes.data(), bytes.size()); }

std::string Bytes(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

// ---------------------------------------------------------------- SHA-1

struct HashCase {
    std::string text;
    const char* digest;
};

TEST(Sha1Test, StandardVectors) {
    const HashCase cases[] = {
        // FIPS 180-1, Appendix A and B, and RFC 3174.
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        // Lengths around the padding boundary (Python's hashlib).
        {std::string(55, 'a'), "c1c8bbdc22796e28c0e15163d20899b65621d65a"},
        {std::string(56, 'a'), "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
        {std::string(64, 'a'), "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
        {std::string(65, 'a'), "11655326c708d70319be2610e8a57d9a5b959d3b"},
    };
    for (const HashCase& c : cases) {
        const Sha1Digest digest = Sha1::Of(c.text);
        EXPECT_EQ(Hex(digest.data(), digest.size()), c.digest) << c.text.size() << " bytes";
    }
}

TEST(Sha1Test, PiecesGiveTheDigestOfTheWhole) {
    const std::string text(1000, 'x');
    Sha1 hash;
    for (size_t at = 0, step = 1; at < text.size(); at += step, step = step % 70 + 1)
        hash.Update(text.data() + at, std::min(step, text.size() - at));
    EXPECT_EQ(hash.Final(), Sha1::Of(text));
}

// ------------------------------------------------------------- CAST-128

TEST(Cast128Test, Rfc2144SingleBlockWith128BitKey) {
    const std::string key = Bytes("0123456712345678234567893456789a");
    Cast128 cipher;
    cipher.SetKey(reinterpret_cast<const uint8_t*>(key.data()));
    std::string block = Bytes("0123456789abcdef");
    cipher.EncryptBlock(reinterpret_cast<uint8_t*>(&block[0]));
    EXPECT_EQ(Hex(block), "238b4fe5847e44b2");
    cipher.DecryptBlock(reinterpret_cast<uint8_t*>(&block[0]));
    EXPECT_EQ(Hex(block), "0123456789abcdef");
}

// RFC 2144, B.2 ("full maintenance test"), run for 1000 rounds instead of a
// million; a and b as OpenSSL gives them after 1000 rounds.
TEST(Cast128Test, MaintenanceTestOfAThousandRounds) {
    uint8_t a[16], b[16];
    const std::string start = Bytes("0123456712345678234567893456789a");
    std::memcpy(a, start.data(), 16);
    std::memcpy(b, start.data(), 16);
    Cast128 cipher;
    for (int i = 0; i < 1000; ++i) {
        cipher.SetKey(b);
        cipher.EncryptBlock(a);
        cipher.EncryptBlock(a + 8);
        cipher.SetKey(a);
        cipher.EncryptBlock(b);
        cipher.EncryptBlock(b + 8);
    }
    EXPECT_EQ(Hex(a, 16), "23f73b14b02a2ad7dfb9f2c35644798d");
    EXPECT_EQ(Hex(b, 16), "e5bf37eff14c456a40b21ce369370a9f");
}

// ------------------------------------------ key, vector and CFB-8 mode

struct PasswordCase {
    const char* password;  // Windows-1252
    const char* key;       // the first 16 bytes of its SHA-1 digest
    const char* iv;        // eight 0xFF bytes encrypted once
    const char* checkValue;
};

// OpenSSL.
const PasswordCase kPasswords[] = {
    {"Geheimnis", "71d1482fde0f4e31925fccc99e7b1dff", "a3f3429832e75135", "3rZNvXFCS+TW/PAs9UGHYw=="},
    {"geheimnis", "d70340bb4f1bed3b2746fb43bbbdf85d", "2d34496fb199765b", "ZpioNNACpMtR1GfB8KACjA=="},
    {"Kennwort", "834162a9d4e12ab3d512527330293204", "824d66548ec91017", "OMtiQzYdqpS3LN5LveoMbw=="},
    {"Größe-123", "7e7f5bb01706850799ddf7feb543de89", "925d3af9a77278c1", "jrDUs4zKx9srYdZMVlQ6yQ=="},
    {"", "da39a3ee5e6b4b0d3255bfef95601890", "29e466713b12f2be", "Tc1x5O8uLrICZPofMVmjuA=="},
};

const std::string kVerification = Bytes("395456326b2f773422a72d2b2d2b3b52");

TEST(DcpCast128Test, KeyVectorAndCheckValueAgreeWithOpenSsl) {
    for (const PasswordCase& c : kPasswords) {
        const Sha1Digest digest = Sha1::Of(c.password);
        EXPECT_EQ(Hex(digest.data(), 16), c.key) << c.password;
        widgets::Owned<TDCP_cast128> cipher(widgets::CreateComponent<TDCP_cast128>(nullptr));
        cipher->InitStr(c.password);
        EXPECT_EQ(Hex(cipher->Register(), 8), c.iv) << c.password;
        const std::string encrypted = cipher->EncryptCFB8bit(kVerification);
        EXPECT_EQ(Base64Encode(encrypted), c.checkValue) << c.password;
        EXPECT_EQ(Base64Encode(encrypted).size(), 24u);

        cipher->InitStr(c.password);
        EXPECT_EQ(cipher->DecryptCFB8bit(encrypted), kVerification) << c.password;
    }
}

// A longer run, so that the register is filled several times over by
// ciphertext: a wrong feedback byte or direction shows from byte 9 on.
TEST(DcpCast128Test, FortyBytesAgreeWithOpenSslBothWays) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += char(i);
    const std::string expected =
        Bytes("e7d18d1a67b081028547d1ef5f75ef2a2a13548601d26daa20fbb5c75dffb72fcde45023ef66ba21");
    widgets::Owned<TDCP_cast128> cipher(widgets::CreateComponent<TDCP_cast128>(nullptr));
    cipher->InitStr("Geheimnis");
    EXPECT_EQ(Hex(cipher->EncryptCFB8bit(text)), Hex(expected));
    cipher->InitStr("Geheimnis");
    EXPECT_EQ(Hex(cipher->DecryptCFB8bit(expected)), Hex(text));
}

TEST(DcpCast128Test, BurnFillsTheRegisterWith0xFFAndDropsTheKey) {
    widgets::Owned<TDCP_cast128> cipher(widgets::CreateComponent<TDCP_cast128>(nullptr));
    cipher->InitStr("Geheimnis");
    ASSERT_TRUE(cipher->Initialized());
    cipher->Burn();
    EXPECT_FALSE(cipher->Initialized());
    EXPECT_EQ(Hex(cipher->Register(), 8), "ffffffffffffffff");
    EXPECT_THROW(cipher->EncryptCFB8bit("x"), std::logic_error);
}

TEST(WipeTest, FillsWith0xFF) {
    uint8_t bytes[5] = {1, 2, 3, 4, 5};
    Wipe(bytes, sizeof bytes);
    EXPECT_EQ(Hex(bytes, 5), "ffffffffff");
    std::string text = "Geheimnis";
    Wipe(text);
    EXPECT_TRUE(text.empty());
}

// --------------------------------------------------------------- Base64

TEST(Base64Test, Rfc4648VectorsBothWays) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(Base64Encode(bytes), text);
        EXPECT_EQ(Base64Decode(text), bytes);
    }
    EXPECT_EQ(Base64Encode(Bytes("fbff")), "+/8=");
}

TEST(Base64Test, TheProgramsDecodingRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"!!!!", "ffffff"},            // every character outside the alphabet is 63
        {"Zm9v-_-_", "666f6fffffff"},  // also "-" and "_"
        {"Zm9v/w==", "666f6fff"},      // "/" is 63 as well
        {"Zg==Zg==", "660fff66"},      // "=" before the last group counts as 63
        {"Z===", "67"},                // "=" third: one byte
        {"Zg=A", "66"},                // "=" third, whatever comes fourth
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(Hex(Base64Decode(text)), bytes) << text;
}

TEST(Base64Test, ALengthThatIsNoMultipleOfFourIsRefused) {
    for (const char* text : {"a", "abc", "Zm9vY", "3rZNvXFCS+TW/PAs9UGHYw="}) {
        try {
            Base64Decode(text);
            ADD_FAILURE() << text << " was decoded";
        } catch (const EBase64Error& error) {
            EXPECT_STREQ(error.what(), "Base64: Incorrect string format");
        }
    }
}

}  // namespace
