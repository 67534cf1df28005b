// Our own reader of Microsoft cabinet files (MS-CAB), over zlib: the
// counterpart of our writer, for the breakpoint manager where
// "cabinet.dll" is not there. One cabinet of a set of one, stored or MSZIP
// folders. Every data block's checksum is checked and MSZIP blocks are
// inflated with the history of the blocks before them in their folder; a
// damaged or cut archive is refused as a whole, so that no damaged file is
// ever written from it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace safety {

class ECabReader : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CabReaderEntry {
    std::string name;  // as stored: the OEM code page, no folder
    uint32_t size = 0;
    uint16_t date = 0, time = 0, attributes = 0;
    uint16_t folder = 0;
    uint32_t folderOffset = 0;
};

class CabReader {
public:
    // Reads the header, the folders and the file entries; throws ECabReader
    // for what is no cabinet, a cut header or a cabinet of a larger set.
    explicit CabReader(std::string cabinet);

    const std::vector<CabReaderEntry>& Files() const { return files_; }

    // The contents of every file, in the order of Files(). Throws
    // ECabReader when a block is cut, fails its checksum or does not
    // inflate to its size, or a file lies outside its folder.
    std::vector<std::string> ExtractAll() const;

private:
    struct Folder {
        uint32_t firstBlock = 0;
        uint16_t blocks = 0;
        uint16_t compression = 0;
    };
    std::string Inflate(const Folder& folder) const;

    std::string cab_;
    uint8_t blockReserve_ = 0;
    std::vector<Folder> folders_;
    std::vector<CabReaderEntry> files_;
};

}  // namespace safety
