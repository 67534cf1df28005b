// Our own writer of Microsoft cabinet files (MS-CAB), over zlib.
//
// It writes what the breakpoint needs and nothing more: one cabinet
// (version 1.3, set ID 0, no reserved areas), MSZIP compression, a new
// folder once a folder's compressed bytes reach the threshold after a file,
// file names without folders. The program uses it where "cabinet.dll" is
// not there (Windows 95 without it, the native build).
//
// A file is added in three steps: BeginFile, AddData any number of times,
// then EndFile to keep it or AbortFile to roll it back out of the folder,
// so that a file whose read fails half-way never leaves a part of itself
// behind. Finish writes the cabinet in one pass to a sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace safety {

// The error operations of the cabinet library (FCIERR_*), which the writer
// reports in the same numbers so that its failures read like the library's.
namespace cab_error {
constexpr int kOpenSource = 1;
constexpr int kReadSource = 2;
constexpr int kAllocFail = 3;
constexpr int kTempFile = 4;
constexpr int kBadCompressionType = 5;
constexpr int kCabFile = 6;
constexpr int kUserAbort = 7;
constexpr int kMciFail = 8;
constexpr int kFormatLimit = 9;
}  // namespace cab_error

class ECabWriter : public std::runtime_error {
public:
    ECabWriter(int oper, const std::string& what) : std::runtime_error(what), oper_(oper) {}
    int Oper() const { return oper_; }

private:
    int oper_;
};

// How the writer compresses. Priming lets each block refer to the 32 KiB of
// input before it, as the readers allow within a folder: smaller archives.
// Level 4 with priming is the point chosen from the cabinet benchmark
// (bench/cab_bench.py).
struct CabWriterOptions {
    int level = 4;
    bool prime = true;
    uint32_t folderThreshold = 900000;
};

// The limits of the format, also the reasons the writer refuses input.
constexpr uint32_t kCabBlockSize = 32768;         // uncompressed bytes of a full block
constexpr uint32_t kCabMaxCompressed = 32780;     // compressed bytes of a block, "CK" included
constexpr uint32_t kCabMaxFileSize = 0x7FFF8000;  // a file must stay below this
constexpr uint32_t kCabMaxSize = 0x7FFFFFFF;      // the whole cabinet
constexpr uint32_t kCabMaxCount = 65535;          // blocks in a folder, files, folders
constexpr size_t kCabMaxName = 255;               // bytes of a stored name
// The attributes a cabinet keeps; 0x80 would mean "the name is UTF-8".
constexpr uint16_t kCabAttributeMask = 0x27;

// The checksum of a data block: the data first, then the two size fields
// seeded with it, each as little-endian 32-bit words with the 1 to 3 byte
// tail taken as the last word's low bytes in reverse.
uint32_t CabChecksum(const unsigned char* data, size_t size, uint32_t seed);

// DOS date and time fields from a broken-down local time (year 1980..2107).
uint16_t DosDate(int year, int month, int day);
uint16_t DosTime(int hour, int minute, int second);

class CabWriter {
public:
    explicit CabWriter(const CabWriterOptions& options = {});
    ~CabWriter();
    CabWriter(const CabWriter&) = delete;
    CabWriter& operator=(const CabWriter&) = delete;

    // Starts a file. name: the stored name in the OEM code page, 1 to 255
    // bytes, no folder. Throws ECabWriter at the format's limits.
    void BeginFile(const std::string& name, uint16_t dosDate, uint16_t dosTime, uint16_t attributes);
    // The next bytes of the current file.
    void AddData(const char* data, size_t size);
    // Keeps the current file with the bytes added; starts a new folder when
    // the folder's compressed bytes have reached the threshold.
    void EndFile();
    // Takes the current file out again, as if it had never been begun.
    void AbortFile();

    // Writes the whole cabinet through write (false: the write failed).
    // Throws ECabWriter when the cabinet would be too large or a write
    // fails. Nothing may be added afterwards.
    void Finish(const std::function<bool(const char*, size_t)>& write);

    uint32_t FileCount() const { return static_cast<uint32_t>(files_.size()); }
    uint32_t FolderCount() const;
    // Compressed bytes so far (without the header and file entries).
    uint64_t CompressedBytes() const { return spool_.size(); }

private:
    struct Folder {
        uint64_t spoolStart = 0;  // offset of its first block in the spool
        uint32_t blocks = 0;
        uint64_t uncompressed = 0;
    };
    struct File {
        std::string name;
        uint32_t size = 0;
        uint32_t folderOffset = 0;
        uint16_t folder = 0;
        uint16_t date = 0;
        uint16_t time = 0;
        uint16_t attributes = 0;
    };

    void EmitBlock(const unsigned char* data, uint32_t size);
    void CloseFolder();

    CabWriterOptions options_;
    struct Stream;
    Stream* stream_ = nullptr;
    std::vector<Folder> folders_;
    std::vector<File> files_;
    std::string spool_;                   // the data blocks of all folders
    std::vector<unsigned char> pending_;  // input not yet in a block
    std::vector<unsigned char> history_;  // the previous full block of the folder
    std::vector<unsigned char> out_;      // one compressed block

    // The state at BeginFile, for AbortFile.
    bool inFile_ = false;
    File current_;
    uint64_t currentSize_ = 0;  // bytes added to the current file
    bool folderOpen_ = false;
    bool streamPrimed_ = false;  // the stream holds the folder's history
    struct Mark {
        bool saved = false;  // a block was emitted during the file
        uint64_t spoolSize = 0;
        size_t folderCount = 0;
        bool folderOpen = false;
        Folder folder;
        size_t pendingSize = 0;
        std::vector<unsigned char> pending;
        std::vector<unsigned char> history;
    } mark_;
    bool finished_ = false;
};

}  // namespace safety
