// qw_cabread: reads a cabinet with our own reader and prints, one file a
// line, what fdi_list prints for the cabinet library's reader: the stored
// name as hex of its bytes, the size, the DOS date, time and attributes in
// hex, and the CRC-32 of the data. A refused cabinet prints the reason and
// ends with 1. The cabinet round trip runs it as one more reader.
//
//   qw_cabread CABINET
#include <zlib.h>

#include <cstdio>
#include <string>

#include "safety/cab_reader.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qw_cabread CABINET\n");
        return 2;
    }
    std::FILE* f = std::fopen(argv[1], "rb");
    if (!f) {
        std::fprintf(stderr, "qw_cabread: cannot open %s\n", argv[1]);
        return 2;
    }
    std::string cab;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) cab.append(buffer, n);
    std::fclose(f);
    try {
        const safety::CabReader reader(cab);
        const auto contents = reader.ExtractAll();
        for (size_t i = 0; i < contents.size(); ++i) {
            const auto& e = reader.Files()[i];
            for (unsigned char c : e.name) std::printf("%02x", c);
            const auto crc =
                crc32(0, reinterpret_cast<const Bytef*>(contents[i].data()), static_cast<uInt>(contents[i].size()));
            std::printf(" %u %04x %04x %04x %08lx\n", e.size, e.date, e.time, e.attributes & 0x27u,
                        static_cast<unsigned long>(crc));
        }
    } catch (const safety::ECabReader& e) {
        std::fprintf(stderr, "qw_cabread: %s\n", e.what());
        return 1;
    }
    return 0;
}
