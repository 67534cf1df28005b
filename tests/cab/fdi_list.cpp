// fdi_list: reads a cabinet with the cabinet library's own reader (FDICopy)
// and prints, one file a line: the stored name as hex of its bytes, the
// size, the DOS date, time and attributes in hex, and the CRC-32 of the
// data. The cabinet round trip runs it under Wine as a third reader.
//
//   fdi_list.exe CABINET
#include <fcntl.h>
#include <io.h>

// <fdi.h> needs the Windows types first.
// clang-format off
#include <windows.h>
#include <fdi.h>
// clang-format on

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Output files stay in memory; their handles are numbered from here.
constexpr INT_PTR kMemoryBase = 0x100000;
std::vector<std::string> g_outputs;

uint32_t Crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : data) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

FNALLOC(Alloc) { return std::malloc(cb); }
FNFREE(Free) { std::free(pv); }
FNOPEN(Open) { return _open(pszFile, oflag | _O_BINARY, pmode); }
FNREAD(Read) { return hf >= kMemoryBase ? 0 : static_cast<UINT>(_read(static_cast<int>(hf), pv, cb)); }
FNWRITE(Write) {
    if (hf < kMemoryBase) return static_cast<UINT>(-1);
    g_outputs[hf - kMemoryBase].append(static_cast<const char*>(pv), cb);
    return cb;
}
FNCLOSE(Close) { return hf >= kMemoryBase ? 0 : _close(static_cast<int>(hf)); }
FNSEEK(Seek) { return hf >= kMemoryBase ? 0 : _lseek(static_cast<int>(hf), dist, seektype); }

FNFDINOTIFY(Notify) {
    switch (fdint) {
        case fdintCOPY_FILE:
            g_outputs.emplace_back();
            return kMemoryBase + static_cast<INT_PTR>(g_outputs.size() - 1);
        case fdintCLOSE_FILE_INFO: {
            const std::string& data = g_outputs[pfdin->hf - kMemoryBase];
            for (const char* p = pfdin->psz1; *p; ++p) std::printf("%02x", static_cast<unsigned char>(*p));
            std::printf(" %u %04x %04x %04x %08x\n", static_cast<unsigned>(data.size()), pfdin->date, pfdin->time,
                        pfdin->attribs, Crc32(data));
            return TRUE;
        }
        default:
            return 0;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fdi_list CABINET\n");
        return 2;
    }
    std::string path = argv[1];
    const size_t slash = path.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    ERF erf{};
    HFDI fdi = FDICreate(Alloc, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &erf);
    if (!fdi) {
        std::fprintf(stderr, "FDICreate failed: %d\n", erf.erfOper);
        return 1;
    }
    const BOOL ok = FDICopy(fdi, name.data(), folder.data(), 0, Notify, nullptr, nullptr);
    const int oper = erf.erfOper;
    FDIDestroy(fdi);
    if (!ok) {
        std::fprintf(stderr, "FDICopy failed: error %d\n", oper);
        return 1;
    }
    return 0;
}
