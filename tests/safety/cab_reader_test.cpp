// Our cabinet reader on cabinets of our writer: every file back byte for
// byte, primed or not, over several blocks and folders; a damaged or cut
// archive is refused whole. (The round trip reads gcab's and Wine's
// cabinets with it too.)
#include "safety/cab_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "safety/cab_writer.h"

namespace {

struct Stored {
    std::string name, data;
};

std::vector<Stored> Sample() {
    std::mt19937 rng(18);
    std::string text, noise;
    // Text that repeats across block borders, so that a primed block refers
    // to the block before it.
    while (text.size() < 150000)
        text += "[boot]\r\nshell=Explorer.exe\r\nDevice=C:\\WINDOWS\\HIMEM.SYS " + std::to_string(rng() % 97) + "\r\n";
    for (int i = 0; i < 70000; ++i) noise += static_cast<char>(rng());
    return {{"win.ini", text},
            {"empty.txt", ""},
            {"user.dat", noise},
            {"system.ini", text.substr(0, 32768)},
            {"config.sys", "FILES=40\r\n"}};
}

std::string Write(const std::vector<Stored>& files, bool prime, uint32_t threshold = 900000) {
    safety::CabWriterOptions options;
    options.prime = prime;
    options.folderThreshold = threshold;
    safety::CabWriter writer(options);
    for (const auto& f : files) {
        writer.BeginFile(f.name, safety::DosDate(2001, 3, 12), safety::DosTime(9, 41, 38), 0x20);
        writer.AddData(f.data.data(), f.data.size());
        writer.EndFile();
    }
    std::string cab;
    writer.Finish([&](const char* data, size_t size) {
        cab.append(data, size);
        return true;
    });
    return cab;
}

TEST(CabReader, GivesBackWhatOurWriterStored) {
    const auto files = Sample();
    struct Case {
        bool prime;
        uint32_t threshold;
    } cases[] = {{true, 900000}, {false, 900000}, {true, 20000}, {false, 1}};
    for (const auto& c : cases) {
        const safety::CabReader reader(Write(files, c.prime, c.threshold));
        const auto contents = reader.ExtractAll();
        ASSERT_EQ(contents.size(), files.size());
        for (size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(reader.Files()[i].name, files[i].name);
            EXPECT_EQ(reader.Files()[i].size, files[i].data.size());
            EXPECT_EQ(reader.Files()[i].date, safety::DosDate(2001, 3, 12));
            EXPECT_EQ(reader.Files()[i].attributes, 0x20);
            EXPECT_TRUE(contents[i] == files[i].data)
                << files[i].name << " prime " << c.prime << " threshold " << c.threshold;
        }
    }
}

TEST(CabReader, RefusesADamagedOrCutArchive) {
    const std::string cab = Write(Sample(), true);
    EXPECT_EQ(safety::CabReader(cab).ExtractAll().size(), 5u);
    const size_t data = cab.find("CK");  // the first block's data
    ASSERT_NE(data, std::string::npos);
    for (size_t at : {data + 2, data + 100, cab.size() - 5}) {
        std::string flipped = cab;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
        EXPECT_THROW(safety::CabReader(flipped).ExtractAll(), safety::ECabReader) << at;
    }
    for (size_t size : {size_t{0}, size_t{20}, data - 1, cab.size() / 2, cab.size() - 1}) {
        EXPECT_THROW(safety::CabReader(cab.substr(0, size)).ExtractAll(), safety::ECabReader) << size;
    }
    EXPECT_THROW(safety::CabReader("MSCF" + std::string(60, '\0')).ExtractAll(), safety::ECabReader);
}

}  // namespace
