#include "safety/cab_reader.h"

#include <zlib.h>

#include <algorithm>

#include "safety/cab_writer.h"

namespace safety {

namespace {

constexpr uint16_t kFlagPrevious = 0x0001;
constexpr uint16_t kFlagNext = 0x0002;
constexpr uint16_t kFlagReserve = 0x0004;
constexpr uint16_t kCompressNone = 0;
constexpr uint16_t kCompressMsZip = 1;
constexpr uint32_t kHistory = 32768;

class Bytes {
public:
    explicit Bytes(const std::string& b) : b_(b) {}
    void Need(size_t at, size_t n) const {
        if (at > b_.size() || n > b_.size() - at) throw ECabReader("Das Archiv ist unvollständig.");
    }
    uint32_t U8(size_t at) const {
        Need(at, 1);
        return static_cast<unsigned char>(b_[at]);
    }
    uint32_t U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::string Text(size_t& at) const {
        const size_t end = b_.find('\0', at);
        if (end == std::string::npos) throw ECabReader("Das Archiv ist unvollständig.");
        std::string text = b_.substr(at, end - at);
        at = end + 1;
        return text;
    }

private:
    const std::string& b_;
};

}  // namespace

CabReader::CabReader(std::string cabinet) : cab_(std::move(cabinet)) {
    const Bytes b(cab_);
    if (cab_.size() < 36 || cab_.compare(0, 4, "MSCF") != 0) throw ECabReader("Die Datei ist kein Cabinet-Archiv.");
    if (b.U32(8) > cab_.size()) throw ECabReader("Das Archiv ist unvollständig.");
    if (b.U8(25) != 1) throw ECabReader("Diese Version des Cabinet-Formats wird nicht unterstützt.");
    const uint32_t folderCount = b.U16(26);
    const uint32_t fileCount = b.U16(28);
    const uint32_t flags = b.U16(30);
    if (flags & (kFlagPrevious | kFlagNext)) throw ECabReader("Das Archiv gehört zu einem mehrteiligen Satz.");
    size_t at = 36;
    uint32_t folderReserve = 0;
    if (flags & kFlagReserve) {
        const uint32_t headerReserve = b.U16(at);
        folderReserve = b.U8(at + 2);
        blockReserve_ = static_cast<uint8_t>(b.U8(at + 3));
        at += 4 + headerReserve;
    }
    for (uint32_t i = 0; i < folderCount; ++i) {
        Folder f;
        f.firstBlock = b.U32(at);
        f.blocks = static_cast<uint16_t>(b.U16(at + 4));
        f.compression = static_cast<uint16_t>(b.U16(at + 6));
        folders_.push_back(f);
        at += 8 + folderReserve;
    }
    at = b.U32(16);
    for (uint32_t i = 0; i < fileCount; ++i) {
        CabReaderEntry e;
        e.size = b.U32(at);
        e.folderOffset = b.U32(at + 4);
        e.folder = static_cast<uint16_t>(b.U16(at + 8));
        e.date = static_cast<uint16_t>(b.U16(at + 10));
        e.time = static_cast<uint16_t>(b.U16(at + 12));
        e.attributes = static_cast<uint16_t>(b.U16(at + 14));
        at += 16;
        e.name = b.Text(at);
        // Files continued from or into another cabinet carry folder
        // numbers from 0xFFFD up.
        if (e.folder >= folders_.size()) throw ECabReader("Das Archiv gehört zu einem mehrteiligen Satz.");
        files_.push_back(std::move(e));
    }
}

std::string CabReader::Inflate(const Folder& folder) const {
    const Bytes b(cab_);
    if (folder.compression != kCompressNone && folder.compression != kCompressMsZip) {
        throw ECabReader("Das Archiv ist mit einem nicht unterstützten Verfahren gepackt.");
    }
    std::string out;
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw ECabReader("Zu wenig Speicher zum Entpacken.");
    struct End {
        z_stream& z;
        ~End() { inflateEnd(&z); }
    } end{z};
    size_t at = folder.firstBlock;
    for (uint32_t i = 0; i < folder.blocks; ++i) {
        const uint32_t checksum = b.U32(at);
        const uint32_t packed = b.U16(at + 4);
        const uint32_t unpacked = b.U16(at + 6);
        const size_t data = at + 8 + blockReserve_;
        b.Need(data, packed);
        const auto* bytes = reinterpret_cast<const unsigned char*>(cab_.data());
        // A sum of 0 means none was computed, which the format allows.
        if (checksum != 0 && CabChecksum(bytes + at + 4, 4, CabChecksum(bytes + data, packed, 0)) != checksum) {
            throw ECabReader("Ein Datenblock des Archivs ist beschädigt (Prüfsumme falsch).");
        }
        if (unpacked > kCabBlockSize) throw ECabReader("Ein Datenblock des Archivs ist beschädigt.");
        if (folder.compression == kCompressNone) {
            if (packed != unpacked) throw ECabReader("Ein Datenblock des Archivs ist beschädigt.");
            out.append(cab_, data, packed);
        } else {
            if (packed < 2 || cab_[data] != 'C' || cab_[data + 1] != 'K') {
                throw ECabReader("Ein Datenblock des Archivs ist beschädigt.");
            }
            // Each block is a deflate stream of its own that may refer to
            // the 32 KiB of the folder before it.
            inflateReset(&z);
            const size_t history = std::min<size_t>(out.size(), kHistory);
            if (history > 0) {
                inflateSetDictionary(&z, reinterpret_cast<const Bytef*>(out.data() + out.size() - history),
                                     static_cast<uInt>(history));
            }
            const size_t start = out.size();
            out.resize(start + unpacked + 1);
            z.next_in = const_cast<Bytef*>(bytes + data + 2);
            z.avail_in = packed - 2;
            z.next_out = reinterpret_cast<Bytef*>(&out[start]);
            z.avail_out = unpacked + 1;
            const int result = inflate(&z, Z_FINISH);
            const size_t made = unpacked + 1 - z.avail_out;
            out.resize(start + made);
            if (result != Z_STREAM_END || made != unpacked) {
                throw ECabReader("Ein Datenblock des Archivs lässt sich nicht entpacken.");
            }
        }
        at = data + packed;
    }
    return out;
}

std::vector<std::string> CabReader::ExtractAll() const {
    std::vector<std::string> unpacked(folders_.size());
    std::vector<bool> done(folders_.size(), false);
    std::vector<std::string> contents;
    for (const CabReaderEntry& e : files_) {
        if (!done[e.folder]) {
            unpacked[e.folder] = Inflate(folders_[e.folder]);
            done[e.folder] = true;
        }
        const std::string& f = unpacked[e.folder];
        if (e.folderOffset > f.size() || e.size > f.size() - e.folderOffset) {
            throw ECabReader("Eine Datei liegt außerhalb der Daten des Archivs.");
        }
        contents.push_back(f.substr(e.folderOffset, e.size));
    }
    return contents;
}

}  // namespace safety
