#include "safety/cast128.h"

#include "safety/wipe.h"

namespace safety {

namespace {

const uint32_t* const S1 = kCastSBox[0];
const uint32_t* const S2 = kCastSBox[1];
const uint32_t* const S3 = kCastSBox[2];
const uint32_t* const S4 = kCastSBox[3];
const uint32_t* const S5 = kCastSBox[4];
const uint32_t* const S6 = kCastSBox[5];
const uint32_t* const S7 = kCastSBox[6];
const uint32_t* const S8 = kCastSBox[7];

uint32_t Rotl(uint32_t value, unsigned bits) {
    bits &= 31;
    return bits == 0 ? value : (value << bits) | (value >> (32 - bits));
}

uint32_t Word(const uint8_t* b) {
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
}

void PutWord(uint8_t* b, uint32_t w) {
    b[0] = uint8_t(w >> 24);
    b[1] = uint8_t(w >> 16);
    b[2] = uint8_t(w >> 8);
    b[3] = uint8_t(w);
}

// The three round functions of RFC 2144, 2.2.
uint32_t F1(uint32_t d, uint32_t km, uint8_t kr) {
    const uint32_t i = Rotl(km + d, kr);
    return ((S1[i >> 24] ^ S2[(i >> 16) & 0xFF]) - S3[(i >> 8) & 0xFF]) + S4[i & 0xFF];
}
uint32_t F2(uint32_t d, uint32_t km, uint8_t kr) {
    const uint32_t i = Rotl(km ^ d, kr);
    return ((S1[i >> 24] - S2[(i >> 16) & 0xFF]) + S3[(i >> 8) & 0xFF]) ^ S4[i & 0xFF];
}
uint32_t F3(uint32_t d, uint32_t km, uint8_t kr) {
    const uint32_t i = Rotl(km - d, kr);
    return ((S1[i >> 24] + S2[(i >> 16) & 0xFF]) ^ S3[(i >> 8) & 0xFF]) - S4[i & 0xFF];
}

uint32_t Round(int round, uint32_t d, uint32_t km, uint8_t kr) {
    switch (round % 3) {
        case 0:
            return F1(d, km, kr);
        case 1:
            return F2(d, km, kr);
        default:
            return F3(d, km, kr);
    }
}

// The key schedule of RFC 2144, 2.4: x holds the key bytes x0..xF, z the
// intermediate bytes z0..zF; each half of the schedule yields 16 subkeys.
struct Schedule {
    uint8_t x[16];
    uint8_t z[16];

    void ZFromX() {
        PutWord(z + 0, Word(x + 0) ^ S5[x[13]] ^ S6[x[15]] ^ S7[x[12]] ^ S8[x[14]] ^ S7[x[8]]);
        PutWord(z + 4, Word(x + 8) ^ S5[z[0]] ^ S6[z[2]] ^ S7[z[1]] ^ S8[z[3]] ^ S8[x[10]]);
        PutWord(z + 8, Word(x + 12) ^ S5[z[7]] ^ S6[z[6]] ^ S7[z[5]] ^ S8[z[4]] ^ S5[x[9]]);
        PutWord(z + 12, Word(x + 4) ^ S5[z[10]] ^ S6[z[9]] ^ S7[z[11]] ^ S8[z[8]] ^ S6[x[11]]);
    }
    void XFromZ() {
        PutWord(x + 0, Word(z + 8) ^ S5[z[5]] ^ S6[z[7]] ^ S7[z[4]] ^ S8[z[6]] ^ S7[z[0]]);
        PutWord(x + 4, Word(z + 0) ^ S5[x[0]] ^ S6[x[2]] ^ S7[x[1]] ^ S8[x[3]] ^ S8[z[2]]);
        PutWord(x + 8, Word(z + 4) ^ S5[x[7]] ^ S6[x[6]] ^ S7[x[5]] ^ S8[x[4]] ^ S5[z[1]]);
        PutWord(x + 12, Word(z + 12) ^ S5[x[10]] ^ S6[x[9]] ^ S7[x[11]] ^ S8[x[8]] ^ S6[z[3]]);
    }
    // Four subkeys from bytes a, b, c, d, e of the given array, for each of
    // the four lines S5[a] ^ S6[b] ^ S7[c] ^ S8[d] ^ Sn[e].
    static void Keys(const uint8_t* v, const int (&index)[4][5], uint32_t* out) {
        const uint32_t* const last[4] = {S5, S6, S7, S8};
        for (int k = 0; k < 4; ++k)
            out[k] = S5[v[index[k][0]]] ^ S6[v[index[k][1]]] ^ S7[v[index[k][2]]] ^ S8[v[index[k][3]]] ^
                     last[k][v[index[k][4]]];
    }
    // 16 subkeys: K1..K4 from z, K5..K8 from x, K9..K12 from z, K13..K16
    // from x, with the byte choices of RFC 2144.
    void Sixteen(uint32_t* out) {
        static const int a[4][5] = {{8, 9, 7, 6, 2}, {10, 11, 5, 4, 6}, {12, 13, 3, 2, 9}, {14, 15, 1, 0, 12}};
        static const int b[4][5] = {{3, 2, 12, 13, 8}, {1, 0, 14, 15, 13}, {7, 6, 8, 9, 3}, {5, 4, 10, 11, 7}};
        static const int c[4][5] = {{3, 2, 12, 13, 9}, {1, 0, 14, 15, 12}, {7, 6, 8, 9, 2}, {5, 4, 10, 11, 6}};
        static const int d[4][5] = {{8, 9, 7, 6, 3}, {10, 11, 5, 4, 7}, {12, 13, 3, 2, 8}, {14, 15, 1, 0, 13}};
        ZFromX();
        Keys(z, a, out + 0);
        XFromZ();
        Keys(x, b, out + 4);
        ZFromX();
        Keys(z, c, out + 8);
        XFromZ();
        Keys(x, d, out + 12);
    }
};

}  // namespace

void Cast128::SetKey(const uint8_t key[kKeySize]) {
    Schedule schedule;
    for (int i = 0; i < 16; ++i) schedule.x[i] = key[i];
    schedule.Sixteen(masking_);
    uint32_t rotation[16];
    schedule.Sixteen(rotation);
    for (int i = 0; i < 16; ++i) rotation_[i] = uint8_t(rotation[i] & 0x1F);
    Wipe(rotation, sizeof rotation);
    Wipe(&schedule, sizeof schedule);
    keyed_ = true;
}

void Cast128::EncryptBlock(uint8_t block[kBlockSize]) const {
    uint32_t l = Word(block), r = Word(block + 4);
    for (int i = 0; i < 16; ++i) {
        const uint32_t next = l ^ Round(i, r, masking_[i], rotation_[i]);
        l = r;
        r = next;
    }
    PutWord(block, r);
    PutWord(block + 4, l);
}

void Cast128::DecryptBlock(uint8_t block[kBlockSize]) const {
    uint32_t l = Word(block), r = Word(block + 4);
    for (int i = 15; i >= 0; --i) {
        const uint32_t next = l ^ Round(i, r, masking_[i], rotation_[i]);
        l = r;
        r = next;
    }
    PutWord(block, r);
    PutWord(block + 4, l);
}

void Cast128::Burn() {
    Wipe(masking_, sizeof masking_);
    Wipe(rotation_, sizeof rotation_);
    keyed_ = false;
}

}  // namespace safety
