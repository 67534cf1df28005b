#include "safety/cab_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace safety {

namespace {

constexpr size_t kHeaderSize = 36;
constexpr size_t kFolderEntrySize = 8;
constexpr size_t kFileEntrySize = 16;
constexpr size_t kBlockHeaderSize = 8;
constexpr uint16_t kTypeMsZip = 1;

void Put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void Put32At(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

uint32_t CabChecksum(const unsigned char* data, size_t size, uint32_t seed) {
    uint32_t sum = seed;
    size_t words = size / 4;
    const unsigned char* p = data;
    while (words-- > 0) {
        sum ^= static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
               static_cast<uint32_t>(p[3]) << 24;
        p += 4;
    }
    uint32_t tail = 0;
    switch (size % 4) {
        case 3:
            tail |= static_cast<uint32_t>(*p++) << 16;
            [[fallthrough]];
        case 2:
            tail |= static_cast<uint32_t>(*p++) << 8;
            [[fallthrough]];
        case 1:
            tail |= *p;
            break;
        default:
            break;
    }
    return sum ^ tail;
}

uint16_t DosDate(int year, int month, int day) {
    year = std::clamp(year, 1980, 2107);
    return static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day);
}

uint16_t DosTime(int hour, int minute, int second) {
    return static_cast<uint16_t>(hour << 11 | minute << 5 | second / 2);
}

// One raw deflate stream for the whole run, reset for every block: setting
// a stream up costs more than compressing a small block.
struct CabWriter::Stream {
    z_stream z{};
    bool ready = false;
};

CabWriter::CabWriter(const CabWriterOptions& options) : options_(options), stream_(new Stream) {
    if (deflateInit2(&stream_->z, options_.level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw ECabWriter(cab_error::kAllocFail, "deflate could not be set up");
    }
    stream_->ready = true;
    // Room for what a sync flush may give before it is found too large.
    out_.resize(2 * kCabBlockSize + 1024);
    pending_.reserve(kCabBlockSize);
}

CabWriter::~CabWriter() {
    if (stream_->ready) deflateEnd(&stream_->z);
    delete stream_;
}

uint32_t CabWriter::FolderCount() const { return static_cast<uint32_t>(folders_.size()); }

void CabWriter::BeginFile(const std::string& name, uint16_t dosDate, uint16_t dosTime, uint16_t attributes) {
    if (finished_ || inFile_) throw std::logic_error("CabWriter: BeginFile out of order");
    if (name.empty() || name.size() > kCabMaxName || name.find_first_of(std::string("\\/\0", 3)) != std::string::npos) {
        throw ECabWriter(cab_error::kFormatLimit, "stored name not allowed: " + name);
    }
    if (files_.size() >= kCabMaxCount) throw ECabWriter(cab_error::kFormatLimit, "more than 65535 files");
    mark_ = Mark{};
    mark_.folderCount = folders_.size();
    mark_.folderOpen = folderOpen_;
    if (!folderOpen_) {
        if (folders_.size() >= kCabMaxCount) throw ECabWriter(cab_error::kFormatLimit, "more than 65535 folders");
        Folder folder;
        folder.spoolStart = spool_.size();
        folders_.push_back(folder);
        folderOpen_ = true;
        history_.clear();
    }
    mark_.spoolSize = spool_.size();
    mark_.folder = folders_.back();
    mark_.pendingSize = pending_.size();
    current_ = File{};
    current_.name = name;
    current_.folder = static_cast<uint16_t>(folders_.size() - 1);
    current_.folderOffset = static_cast<uint32_t>(folders_.back().uncompressed);
    current_.date = dosDate;
    current_.time = dosTime;
    current_.attributes = static_cast<uint16_t>(attributes & kCabAttributeMask);
    currentSize_ = 0;
    inFile_ = true;
}

void CabWriter::AddData(const char* data, size_t size) {
    if (!inFile_) throw std::logic_error("CabWriter: AddData outside a file");
    if (currentSize_ + size >= kCabMaxFileSize)
        throw ECabWriter(cab_error::kFormatLimit, "file of 0x7FFF8000 bytes or more");
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    currentSize_ += size;
    folders_.back().uncompressed += size;
    while (size > 0) {
        if (pending_.empty() && size >= kCabBlockSize) {
            EmitBlock(in, kCabBlockSize);
            in += kCabBlockSize;
            size -= kCabBlockSize;
            continue;
        }
        const size_t take = std::min<size_t>(size, kCabBlockSize - pending_.size());
        pending_.insert(pending_.end(), in, in + take);
        in += take;
        size -= take;
        if (pending_.size() == kCabBlockSize) {
            EmitBlock(pending_.data(), kCabBlockSize);
            pending_.clear();
        }
    }
}

void CabWriter::EndFile() {
    if (!inFile_) throw std::logic_error("CabWriter: EndFile outside a file");
    current_.size = static_cast<uint32_t>(currentSize_);
    files_.push_back(current_);
    inFile_ = false;
    if (spool_.size() - folders_.back().spoolStart >= options_.folderThreshold) CloseFolder();
}

void CabWriter::AbortFile() {
    if (!inFile_) return;
    if (mark_.saved) {
        spool_.resize(mark_.spoolSize);
        pending_ = mark_.pending;
        history_ = mark_.history;
        streamPrimed_ = false;  // the compressor saw the file's blocks
    } else {
        pending_.resize(mark_.pendingSize);
    }
    folders_.back() = mark_.folder;
    if (!mark_.folderOpen) {
        folders_.resize(mark_.folderCount);
        folderOpen_ = false;
    }
    inFile_ = false;
}

void CabWriter::EmitBlock(const unsigned char* data, uint32_t size) {
    Folder& folder = folders_.back();
    if (folder.blocks >= kCabMaxCount) throw ECabWriter(cab_error::kFormatLimit, "more than 65535 blocks in a folder");
    if (inFile_ && !mark_.saved) {
        // The first block of this file changes what lies before it; keep
        // that for a roll-back.
        mark_.pending.assign(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(mark_.pendingSize));
        mark_.history = history_;
        mark_.saved = true;
    }
    uint32_t compressed = 0;
    out_[0] = 'C';
    out_[1] = 'K';
    z_stream& z = stream_->z;
    bool fits = false;
    if (options_.prime) {
        // One stream through the folder: each block ends with a sync flush
        // and an empty final block, so the compressor keeps its window and
        // hash chains from block to block, which is the priming without
        // hashing a dictionary again. Readers keep the previous block as
        // their window; every block but the folder's last is full, so the
        // history they hold is the one the compressor used.
        if (!streamPrimed_) {
            deflateReset(&z);
            if (!history_.empty()) deflateSetDictionary(&z, history_.data(), static_cast<uInt>(history_.size()));
            streamPrimed_ = true;
        }
        z.next_in = const_cast<unsigned char*>(data);
        z.avail_in = size;
        z.next_out = out_.data() + 2;
        z.avail_out = static_cast<uInt>(out_.size() - 4);
        const uLong before = z.total_out;
        if (deflate(&z, Z_SYNC_FLUSH) == Z_OK && z.avail_in == 0 && z.avail_out > 0) {
            compressed = static_cast<uint32_t>(2 + (z.total_out - before));
            out_[compressed++] = 0x03;  // an empty final block
            out_[compressed++] = 0x00;
            fits = compressed <= kCabMaxCompressed;
        }
        if (!fits) streamPrimed_ = false;  // the stream is re-primed from the history below
    } else {
        deflateReset(&z);
        z.next_in = const_cast<unsigned char*>(data);
        z.avail_in = size;
        z.next_out = out_.data() + 2;
        z.avail_out = kCabMaxCompressed - 2;
        if (deflate(&z, Z_FINISH) == Z_STREAM_END) {
            compressed = static_cast<uint32_t>(2 + z.total_out);
            fits = true;
        }
    }
    if (!fits) {
        // Did not fit: one final stored block, which always does.
        out_[2] = 0x01;
        out_[3] = static_cast<unsigned char>(size & 0xFF);
        out_[4] = static_cast<unsigned char>(size >> 8);
        out_[5] = static_cast<unsigned char>(~size & 0xFF);
        out_[6] = static_cast<unsigned char>((~size >> 8) & 0xFF);
        std::memcpy(out_.data() + 7, data, size);
        compressed = 7 + size;
    }
    unsigned char sizes[4] = {static_cast<unsigned char>(compressed & 0xFF),
                              static_cast<unsigned char>(compressed >> 8), static_cast<unsigned char>(size & 0xFF),
                              static_cast<unsigned char>(size >> 8)};
    const uint32_t sum = CabChecksum(sizes, 4, CabChecksum(out_.data(), compressed, 0));
    unsigned char header[kBlockHeaderSize];
    Put32At(header, sum);
    std::memcpy(header + 4, sizes, 4);
    spool_.append(reinterpret_cast<const char*>(header), kBlockHeaderSize);
    spool_.append(reinterpret_cast<const char*>(out_.data()), compressed);
    ++folder.blocks;
    if (options_.prime) history_.assign(data, data + size);
}

void CabWriter::CloseFolder() {
    if (!folderOpen_) return;
    if (!pending_.empty()) {
        EmitBlock(pending_.data(), static_cast<uint32_t>(pending_.size()));
        pending_.clear();
    }
    history_.clear();
    streamPrimed_ = false;
    folderOpen_ = false;
}

void CabWriter::Finish(const std::function<bool(const char*, size_t)>& write) {
    if (finished_) throw std::logic_error("CabWriter: Finish twice");
    AbortFile();
    CloseFolder();
    finished_ = true;
    // A folder that holds no file (every file of it was rolled back) goes.
    std::vector<Folder> kept;
    std::vector<uint16_t> renumber(folders_.size(), 0);
    for (size_t i = 0; i < folders_.size(); ++i) {
        const bool used = std::any_of(files_.begin(), files_.end(), [&](const File& f) { return f.folder == i; });
        if (used) {
            renumber[i] = static_cast<uint16_t>(kept.size());
            kept.push_back(folders_[i]);
        }
    }
    uint64_t headerSize = kHeaderSize + kFolderEntrySize * kept.size();
    for (const File& file : files_) headerSize += kFileEntrySize + file.name.size() + 1;
    const uint64_t total = headerSize + spool_.size();
    if (total > kCabMaxSize) throw ECabWriter(cab_error::kFormatLimit, "cabinet over 0x7FFFFFFF bytes");

    std::string head;
    head.reserve(static_cast<size_t>(headerSize));
    head += "MSCF";
    Put32(head, 0);
    Put32(head, static_cast<uint32_t>(total));
    Put32(head, 0);
    Put32(head, static_cast<uint32_t>(kHeaderSize + kFolderEntrySize * kept.size()));  // coffFiles
    Put32(head, 0);
    head.push_back(3);  // version 1.3
    head.push_back(1);
    Put16(head, static_cast<uint32_t>(kept.size()));
    Put16(head, static_cast<uint32_t>(files_.size()));
    Put16(head, 0);  // flags: no reserve, no previous or next cabinet
    Put16(head, 0);  // set ID
    Put16(head, 0);  // cabinet number
    for (const Folder& folder : kept) {
        Put32(head, static_cast<uint32_t>(headerSize + folder.spoolStart));
        Put16(head, folder.blocks);
        Put16(head, kTypeMsZip);
    }
    for (const File& file : files_) {
        Put32(head, file.size);
        Put32(head, file.folderOffset);
        Put16(head, renumber[file.folder]);
        Put16(head, file.date);
        Put16(head, file.time);
        Put16(head, file.attributes);
        head += file.name;
        head.push_back('\0');
    }
    if (!write(head.data(), head.size()) || !write(spool_.data(), spool_.size())) {
        throw ECabWriter(cab_error::kCabFile, "the cabinet could not be written");
    }
}

}  // namespace safety
