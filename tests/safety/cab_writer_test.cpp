// Our cabinet writer: the layout of what it writes, the block rules that
// readers depend on, roll-back and the format's limits. The readers'
// verdict on whole cabinets is the round trip (tests/cab/cab_roundtrip.py).
#include "safety/cab_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using safety::CabWriter;
using safety::CabWriterOptions;

uint32_t U16(const std::string& b, size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::string Finish(CabWriter& writer) {
    std::string bytes;
    writer.Finish([&](const char* data, size_t size) {
        bytes.append(data, size);
        return true;
    });
    return bytes;
}

std::string Pattern(size_t size, unsigned seed) {
    std::string data(size, '\0');
    uint32_t x = seed * 2654435761u + 1;
    for (char& c : data) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return data;
}

void Add(CabWriter& writer, const std::string& name, const std::string& data, uint16_t attributes = 0x20) {
    writer.BeginFile(name, safety::DosDate(1999, 4, 23), safety::DosTime(22, 22, 0), attributes);
    writer.AddData(data.data(), data.size());
    writer.EndFile();
}

struct Block {
    uint32_t sum, compressed, uncompressed;
    size_t at;
};

// The data blocks of folder i.
std::vector<Block> Blocks(const std::string& cab, int folder) {
    const size_t entry = 36 + 8 * static_cast<size_t>(folder);
    size_t at = U32(cab, entry);
    std::vector<Block> blocks;
    for (uint32_t i = 0; i < U16(cab, entry + 4); ++i) {
        blocks.push_back({U32(cab, at), U16(cab, at + 4), U16(cab, at + 6), at});
        at += 8 + U16(cab, at + 4);
    }
    return blocks;
}

TEST(CabChecksum, WordsAndTheTailRule) {
    const struct {
        std::vector<unsigned char> bytes;
        uint32_t seed, sum;
    } cases[] = {
        {{}, 0, 0},
        {{1, 2, 3, 4}, 0, 0x04030201},
        {{1, 2, 3, 4, 5}, 0, 0x04030201 ^ 0x05},
        {{1, 2, 3, 4, 5, 6}, 0, 0x04030201 ^ 0x0506},
        {{1, 2, 3, 4, 5, 6, 7}, 0, 0x04030201 ^ 0x050607},
        {{0xFF, 0, 0, 0}, 0x100, 0x1FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(safety::CabChecksum(c.bytes.data(), c.bytes.size(), c.seed), c.sum) << c.bytes.size();
    }
}

TEST(CabWriter, HeaderFolderAndFileEntries) {
    CabWriter writer;
    Add(writer, "SYSTEM.DAT", Pattern(1000, 1), 0xA7);  // 0x80 would say "UTF-8 name"
    Add(writer, "\x84rger.ini", "x=1\r\n", 0x01);
    const std::string cab = Finish(writer);
    EXPECT_EQ(cab.substr(0, 4), "MSCF");
    EXPECT_EQ(U32(cab, 8), cab.size());
    EXPECT_EQ(U32(cab, 16), 36u + 8u);  // the file entries follow the one folder entry
    EXPECT_EQ(cab[24], 3);
    EXPECT_EQ(cab[25], 1);
    EXPECT_EQ(U16(cab, 26), 1u);  // folders
    EXPECT_EQ(U16(cab, 28), 2u);  // files
    EXPECT_EQ(U16(cab, 30), 0u);  // flags: no reserve, one cabinet
    EXPECT_EQ(U16(cab, 32), 0u);  // set ID
    EXPECT_EQ(U16(cab, 42), 1u);  // MSZIP
    size_t at = 44;
    EXPECT_EQ(U32(cab, at), 1000u);
    EXPECT_EQ(U32(cab, at + 4), 0u);
    EXPECT_EQ(U16(cab, at + 10), (19u << 9) | (4u << 5) | 23u);
    EXPECT_EQ(U16(cab, at + 12), (22u << 11) | (22u << 5));
    EXPECT_EQ(U16(cab, at + 14), 0x27u);
    EXPECT_EQ(cab.substr(at + 16, 11), std::string("SYSTEM.DAT\0", 11));
    at += 16 + 11;
    EXPECT_EQ(U32(cab, at + 4), 1000u);  // offset in the folder
    EXPECT_EQ(U16(cab, at + 14), 0x01u);
    EXPECT_EQ(cab.substr(at + 16, 10), std::string("\x84rger.ini\0", 10));
}

TEST(CabWriter, BlocksAreFullExceptTheLastAndCarryTheirChecksum) {
    for (bool prime : {false, true}) {
        CabWriterOptions options;
        options.prime = prime;
        CabWriter writer(options);
        Add(writer, "A", Pattern(10000, 2));
        Add(writer, "B", Pattern(60000, 3));  // incompressible: stored
        Add(writer, "C", std::string(5000, 'c'));
        const std::string cab = Finish(writer);
        const auto blocks = Blocks(cab, 0);
        ASSERT_EQ(blocks.size(), 3u);
        EXPECT_EQ(blocks[0].uncompressed, 32768u);
        EXPECT_EQ(blocks[1].uncompressed, 32768u);
        EXPECT_EQ(blocks[2].uncompressed, 75000u - 2 * 32768u);
        for (const Block& b : blocks) {
            EXPECT_LE(b.compressed, safety::kCabMaxCompressed);
            EXPECT_EQ(cab.substr(b.at + 8, 2), "CK");
            const auto* data = reinterpret_cast<const unsigned char*>(cab.data() + b.at + 8);
            const auto* sizes = reinterpret_cast<const unsigned char*>(cab.data() + b.at + 4);
            EXPECT_EQ(b.sum, safety::CabChecksum(sizes, 4, safety::CabChecksum(data, b.compressed, 0)));
            EXPECT_NE(b.sum, 0u);
        }
    }
}

TEST(CabWriter, AFolderEndsOnceItsCompressedBytesReachTheThreshold) {
    CabWriterOptions options;
    options.folderThreshold = 30000;
    CabWriter writer(options);
    Add(writer, "A", Pattern(20000, 4));  // nothing compressed yet: the folder goes on
    Add(writer, "B", Pattern(20000, 5));  // one full block now: the folder ends after B
    Add(writer, "C", Pattern(100, 6));
    const std::string cab = Finish(writer);
    EXPECT_EQ(U16(cab, 26), 2u);
    EXPECT_EQ(Blocks(cab, 0).size(), 2u);
    EXPECT_EQ(Blocks(cab, 0)[1].uncompressed, 40000u - 32768u);  // the folder's last block is short
    const size_t c = 36 + 16 + 2 * 18;                           // the third file entry
    EXPECT_EQ(U16(cab, c + 8), 1u);                              // in folder 1
    EXPECT_EQ(U32(cab, c + 4), 0u);                              // at its start
}

TEST(CabWriter, AnAbortedFileLeavesNoTrace) {
    for (size_t abortedSize : {size_t{0}, size_t{100}, size_t{40000}, size_t{200000}}) {
        CabWriter with;
        Add(with, "A", Pattern(20000, 7));
        with.BeginFile("X", 0, 0, 0);
        const std::string x = Pattern(abortedSize, 8);
        with.AddData(x.data(), x.size());
        with.AbortFile();
        Add(with, "B", Pattern(50000, 9));
        CabWriter without;
        Add(without, "A", Pattern(20000, 7));
        Add(without, "B", Pattern(50000, 9));
        EXPECT_EQ(Finish(with), Finish(without)) << abortedSize;
    }
}

TEST(CabWriter, AnAbortedFirstFileOfAFolderTakesTheFolderAlong) {
    CabWriterOptions options;
    options.folderThreshold = 10;
    CabWriter writer(options);
    Add(writer, "A", Pattern(100, 10));
    writer.BeginFile("X", 0, 0, 0);
    writer.AddData("abc", 3);
    writer.AbortFile();
    const std::string cab = Finish(writer);
    EXPECT_EQ(U16(cab, 26), 1u);
    EXPECT_EQ(U16(cab, 28), 1u);
}

TEST(CabWriter, RefusesWhatTheFormatCannotHold) {
    CabWriter writer;
    EXPECT_THROW(writer.BeginFile("", 0, 0, 0), safety::ECabWriter);
    EXPECT_THROW(writer.BeginFile(std::string(256, 'n'), 0, 0, 0), safety::ECabWriter);
    EXPECT_THROW(writer.BeginFile("WINDOWS\\WIN.INI", 0, 0, 0), safety::ECabWriter);
    writer.BeginFile(std::string(255, 'n'), 0, 0, 0);
    try {
        writer.AddData(nullptr, safety::kCabMaxFileSize);
        FAIL() << "a file of 0x7FFF8000 bytes was taken";
    } catch (const safety::ECabWriter& error) {
        EXPECT_EQ(error.Oper(), safety::cab_error::kFormatLimit);
    }
}

TEST(CabWriter, RefusesTheFile65536) {
    CabWriter writer;
    for (int i = 0; i < 65535; ++i) Add(writer, "F" + std::to_string(i), "");
    EXPECT_THROW(writer.BeginFile("ONE.MORE", 0, 0, 0), safety::ECabWriter);
    EXPECT_EQ(writer.FileCount(), 65535u);
}

TEST(CabWriter, AFailedWriteIsAnError) {
    CabWriter writer;
    Add(writer, "A", "a");
    EXPECT_THROW(writer.Finish([](const char*, size_t) { return false; }), safety::ECabWriter);
}

}  // namespace
