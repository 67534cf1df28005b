#include "safety/make_cab.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "platform/cabinet.h"
#include "platform/code_page.h"
#include "platform/file_access.h"
#include "platform/platform.h"
#include "platform/recycle_bin.h"

namespace safety {

const char* const kMsgCabinetDllNotFound = "Cabinet.dll not found";
const char* const kMsgErrorWritingToFile = "Error writing to file";

namespace {

constexpr uint32_t kAttributeVolumeLabel = 0x08;
constexpr uint32_t kAttributeTemporary = 0x100;
constexpr uint32_t kReadChunk = 32768;

std::string CabinetErrorText(int oper, int type) {
    char text[64];
    std::snprintf(text, sizeof text, "Cabinet error %d (type %d)", oper, type);
    return text;
}

// Upper case as Windows folds file names of code page 1252.
std::string UpperName(const std::string& name) {
    std::string upper = name;
    for (char& c : upper) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
        if (b == 0x9A || b == 0x9C || b == 0x9E) c = static_cast<char>(b - 0x10);
        if (b == 0xFF) c = static_cast<char>(0x9F);
    }
    return upper;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

}  // namespace

ECabinetError::ECabinetError(int oper, int type)
    : std::runtime_error(CabinetErrorText(oper, type)), oper_(oper), type_(type) {}

uint8_t ProgressPercent(int64_t a, int64_t b) {
    if (b <= 0) return 0;
    if (a <= 0) return 0;
    if (a >= b) return 100;
    const int64_t scaled = a * 100;
    int64_t q = scaled / b;
    const int64_t twice = 2 * (scaled % b);
    if (twice > b || (twice == b && (q & 1))) ++q;
    return static_cast<uint8_t>(std::clamp<int64_t>(q, 0, 100));
}

CabWriterOptions TMakeCab::DefaultWriterOptions() {
    CabWriterOptions options;  // level and priming from the cabinet benchmark
    options.folderThreshold = 900000;
    return options;
}

TMakeCab::TMakeCab(widgets::TComponent* owner) : widgets::TComponent(owner) {}
TMakeCab::~TMakeCab() = default;

void TMakeCab::SetArchiveFile(const std::string& path) {
    archiveFile_ = path;
    std::replace(archiveFile_.begin(), archiveFile_.end(), '/', '\\');
}

bool TMakeCab::EraseFile(const std::string& path, bool allowUndo) {
    platform::Platform& p = platform::Get();
    if (!allowUndo) return p.files().DeleteFile(path);
    if (!p.files().Exists(path)) return false;
    const uint16_t flags = platform::kFofSilent | platform::kFofRenameOnCollision | platform::kFofNoConfirmation |
                           platform::kFofAllowUndo;  // 0x5C
    return p.recycleBin().Delete(path, flags) == 0;
}

void TMakeCab::List() {
    platform::Platform& p = platform::Get();
    std::set<std::string> seen;
    for (const std::string& line : fileSpec_) {
        p.system().ProcessMessages();
        if (line.empty()) continue;
        std::string path = line;
        if (path.compare(0, 2, "\\\\") == 0) {
            // A UNC path (\\server\share\file) is used as it stands.
        } else if (path.size() >= 2 && path[1] == ':') {
            if (path.size() == 2 || path[2] != '\\') path.insert(2, "\\");
        } else if (path.find('\\') == std::string::npos) {
            std::string current = p.fileAccess().CurrentDirectory();
            if (!current.empty() && current.back() != '\\') current += '\\';
            path = current + path;
        }
        const std::string base = FolderOf(path);
        const uint32_t mode = p.fileAccess().SetErrorMode(platform::kSemFailCriticalErrors);
        const std::vector<platform::FoundFile> hits = p.files().Find(path);
        p.fileAccess().SetErrorMode(mode);
        for (const platform::FoundFile& hit : hits) {
            p.system().ProcessMessages();
            if (hit.name.empty() || hit.name[0] == '.') continue;
            if (hit.attributes & (platform::attr::Directory | kAttributeTemporary)) continue;
            const std::string full = base + hit.name;
            std::string stored = full;
            if (UpperName(stored).compare(0, base.size(), UpperName(base)) == 0) stored = stored.substr(base.size());
            if (!seen.insert(UpperName(stored)).second) continue;
            entries_.push_back({stored, full, hit.size, false});
            total_ += static_cast<int64_t>(hit.size);
        }
    }
}

void TMakeCab::StartFile(const Entry& entry) {
    fileSize_ = static_cast<int64_t>(entry.size);
    fileRemaining_ = fileSize_;
}

void TMakeCab::Read(uint32_t bytes) {
    if (bytes == 0 || fileRemaining_ <= 0) return;
    fileRemaining_ -= bytes;
    runRemaining_ -= bytes;
    const uint8_t byFile = ProgressPercent(fileSize_ - fileRemaining_, fileSize_);
    const uint8_t byArchive = ProgressPercent(total_ - runRemaining_, total_);
    platform::Get().system().ProcessMessages();
    if (OnProgress) OnProgress(this, byFile, byArchive);
}

// ------------------------------------------------------- the library's side

// The callbacks of the cabinet library: a handle table over the platform's
// files, temporary files, file information and the progress of the reads.
class TMakeCab::Callbacks : public platform::CabCallbacks {
public:
    explicit Callbacks(TMakeCab& owner) : owner_(owner) {}
    ~Callbacks() override {
        for (const auto& [number, handle] : table_) Access().Close(handle);
    }

    intptr_t Open(const std::string& path, int oflag, int, int* err) override {
        const int access = oflag & platform::kOpenAccessMask;
        const platform::FileMode mode = access == platform::kOpenReadOnly    ? platform::FileMode::Read
                                        : access == platform::kOpenWriteOnly ? platform::FileMode::Write
                                                                             : platform::FileMode::ReadWrite;
        const bool exclusive = (oflag & platform::kOpenExclusive) != 0;
        return Remember(Access().Open(path, mode, exclusive, (oflag & platform::kOpenCreate) != 0), err);
    }

    uint32_t Read(intptr_t file, void* buffer, uint32_t size, int* err) override {
        const platform::FileHandle h = Lookup(file, err);
        if (h == platform::kNoFile) return static_cast<uint32_t>(-1);
        uint32_t read = 0;
        // A short read at the end of a file is normal; only a failed read
        // is an error.
        if (!Access().Read(h, static_cast<char*>(buffer), size, read)) {
            *err = static_cast<int>(Access().LastError());
            return static_cast<uint32_t>(-1);
        }
        if (file == source_) owner_.Read(read);
        return read;
    }

    uint32_t Write(intptr_t file, const void* data, uint32_t size, int* err) override {
        const platform::FileHandle h = Lookup(file, err);
        if (h == platform::kNoFile) return static_cast<uint32_t>(-1);
        uint32_t written = 0;
        if (!Access().Write(h, static_cast<const char*>(data), size, written) || written < size) {
            *err = static_cast<int>(Access().LastError());
            return static_cast<uint32_t>(-1);
        }
        return written;
    }

    int Close(intptr_t file, int* err) override {
        const platform::FileHandle h = Lookup(file, err);
        if (h == platform::kNoFile) return -1;
        table_.erase(file);
        if (file == source_) source_ = -1;
        if (!Access().Close(h)) {
            *err = static_cast<int>(Access().LastError());
            return -1;
        }
        return 0;
    }

    long Seek(intptr_t file, long distance, int origin, int* err) override {
        const platform::FileHandle h = Lookup(file, err);
        if (h == platform::kNoFile) return -1;
        const int64_t at = Access().Seek(h, distance, static_cast<platform::SeekOrigin>(origin));
        if (at < 0 || (origin == 0 && at != distance)) {
            *err = static_cast<int>(Access().LastError());
            return -1;
        }
        return static_cast<long>(at);
    }

    int Delete(const std::string& path, int* err) override {
        if (!platform::Get().files().DeleteFile(path)) {
            *err = static_cast<int>(platform::error_code::kAccessDenied);
            return -1;
        }
        return 0;
    }

    bool TempFile(char* buffer, int size) override {
        platform::FileSystem& files = platform::Get().files();
        std::string folder = files.TempDirectory();
        if (folder.empty()) return false;
        std::string bare = folder;
        if (bare.size() > 3 && bare.back() == '\\') bare.pop_back();
        if (!files.Exists(bare)) files.CreateDirectory(bare);
        const std::string name = Access().TempFileName(bare, "ztv");
        // Handed over only when it fits, with its terminating zero.
        if (name.empty() || static_cast<int>(name.size()) >= size) return false;
        std::copy(name.begin(), name.end(), buffer);
        buffer[name.size()] = '\0';
        return true;
    }

    intptr_t GetOpenInfo(const std::string& path, uint16_t* date, uint16_t* time, uint16_t* attributes,
                         int* err) override {
        const uint32_t found = platform::Get().files().GetAttributes(path);
        if (found == platform::attr::Invalid) {
            *err = static_cast<int>(platform::error_code::kFileNotFound);
            return -1;
        }
        // Only the bits a cabinet keeps: 0x80 would tell readers that the
        // (OEM) name is UTF-8.
        *attributes = static_cast<uint16_t>(found & kCabAttributeMask);
        const platform::FileHandle h = Access().Open(path, platform::FileMode::Read, false, false);
        if (h == platform::kNoFile) {
            *err = static_cast<int>(Access().LastError());
            return -1;
        }
        const auto when = Access().LastWriteTime(h);
        *date = when ? when->date : 0;
        *time = when ? when->time : 0;
        int ignored = 0;
        source_ = Remember(h, &ignored);
        return source_;
    }

    int FilePlaced(const std::string&, long, bool) override { return 0; }
    long Status(unsigned, unsigned long, unsigned long) override { return 0; }
    bool NextCabinet() override { return false; }

private:
    static platform::FileAccess& Access() { return platform::Get().fileAccess(); }

    intptr_t Remember(platform::FileHandle h, int* err) {
        if (h == platform::kNoFile) {
            *err = static_cast<int>(Access().LastError());
            return -1;
        }
        table_[next_] = h;
        return next_++;
    }

    platform::FileHandle Lookup(intptr_t file, int* err) {
        const auto it = table_.find(file);
        if (it == table_.end()) {
            *err = -1;
            return platform::kNoFile;
        }
        return it->second;
    }

    TMakeCab& owner_;
    std::map<intptr_t, platform::FileHandle> table_;
    intptr_t next_ = 1;
    intptr_t source_ = -1;
};

int TMakeCab::RunLibrary() {
    platform::Platform& p = platform::Get();
    platform::Cabinet& cabinet = p.cabinet();
    platform::CabParams params;
    params.maxCabinetSize = 0x7FFFFFFF;
    params.folderThreshold = 900000;
    params.failOnIncompressible = FailOnIncompressible;
    params.setId = 0;
    const size_t slash = archiveFile_.find_last_of('\\');
    params.cabinetName = slash == std::string::npos ? archiveFile_ : archiveFile_.substr(slash + 1);
    params.cabinetPath = slash == std::string::npos ? std::string() : archiveFile_.substr(0, slash + 1);

    Callbacks callbacks(*this);
    platform::CabErrorRecord error;
    void* context = cabinet.Create(params, callbacks, error);
    if (!context) throw ECabinetError(error.oper, error.type);
    struct Guard {
        platform::Cabinet& cabinet;
        void* context;
        ~Guard() { cabinet.Destroy(context); }
    } guard{cabinet, context};

    try {
        List();
        runRemaining_ = total_;
        for (Entry& entry : entries_) {
            StartFile(entry);
            const std::string name = TranslateOemChar ? p.codePage().CharToOem(entry.stored) : entry.stored;
            // A file that cannot be opened is left out before the library
            // sees it: some libraries cannot finish a cabinet after a file
            // failed in them.
            const platform::FileHandle probe =
                p.fileAccess().Open(entry.source, platform::FileMode::Read, false, false);
            if (probe == platform::kNoFile) continue;
            p.fileAccess().Close(probe);
            try {
                if (!cabinet.AddFile(context, entry.source, name, false, platform::kTcompTypeMsZip)) {
                    throw ECabinetError(error.oper, error.type);
                }
                entry.done = true;
                ++stored_;
            } catch (const ECabinetError&) {
                // This file is left out; the run goes on with the next one.
            }
        }
    } catch (const std::exception&) {
        // The listing failed; what was stored so far is still written.
    }
    if (!cabinet.FlushCabinet(context, false)) throw ECabinetError(error.oper, error.type);
    complete_ = true;
    return stored_;
}

// -------------------------------------------------------- our own writer

bool TMakeCab::StoreWithOwnWriter(CabWriter& writer, const Entry& entry, const std::string& name) {
    platform::Platform& p = platform::Get();
    platform::FileAccess& access = p.fileAccess();
    const uint32_t attributes = p.files().GetAttributes(entry.source);
    if (attributes == platform::attr::Invalid) return false;
    const platform::FileHandle h = access.Open(entry.source, platform::FileMode::Read, false, false);
    if (h == platform::kNoFile) return false;
    struct Closer {
        platform::FileAccess& access;
        platform::FileHandle h;
        ~Closer() { access.Close(h); }
    } closer{access, h};
    const auto when = access.LastWriteTime(h);
    writer.BeginFile(name, when ? when->date : 0, when ? when->time : 0, static_cast<uint16_t>(attributes));
    std::vector<char> buffer(kReadChunk);
    for (;;) {
        uint32_t read = 0;
        if (!access.Read(h, buffer.data(), kReadChunk, read)) {
            // Nothing of a file that could not be read to its end stays.
            writer.AbortFile();
            return false;
        }
        if (read == 0) break;
        writer.AddData(buffer.data(), read);
        Read(read);
    }
    writer.EndFile();
    return true;
}

void TMakeCab::WriteOwnCabinet(CabWriter& writer) {
    platform::Platform& p = platform::Get();
    platform::FileAccess& access = p.fileAccess();
    const platform::FileHandle h = access.Open(archiveFile_, platform::FileMode::Write, true, true);
    if (h == platform::kNoFile) throw ECabinetError(cab_error::kCabFile, static_cast<int>(access.LastError()));
    bool written = false;
    try {
        writer.Finish([&](const char* data, size_t size) {
            uint32_t put = 0;
            return access.Write(h, data, static_cast<uint32_t>(size), put) && put == size;
        });
        written = true;
    } catch (const ECabWriter&) {
        // Reported below, after the half-written file is gone.
    }
    const bool closed = access.Close(h);
    if (!written || !closed) {
        p.files().DeleteFile(archiveFile_);
        throw ECabinetError(cab_error::kCabFile, static_cast<int>(access.LastError()));
    }
}

int TMakeCab::RunOwnWriter() {
    platform::Platform& p = platform::Get();
    CabWriter writer(WriterOptions);
    try {
        List();
        runRemaining_ = total_;
        for (Entry& entry : entries_) {
            StartFile(entry);
            const std::string name = TranslateOemChar ? p.codePage().CharToOem(entry.stored) : entry.stored;
            try {
                if (StoreWithOwnWriter(writer, entry, name)) {
                    entry.done = true;
                    ++stored_;
                }
            } catch (const ECabWriter&) {
                // A file the format cannot hold is left out.
                writer.AbortFile();
            }
        }
    } catch (const std::exception&) {
        // The listing failed; what was stored so far is still written.
    }
    WriteOwnCabinet(writer);
    complete_ = true;
    return stored_;
}

int TMakeCab::CreateArchive() {
    complete_ = false;
    if (archiveFile_.empty()) return 0;
    entries_.clear();
    total_ = 0;
    stored_ = 0;
    try {
        platform::Platform& p = platform::Get();
        const bool library = p.cabinet().Present();
        if (!library && !UseOwnWriter) throw ECabinetError(kMsgCabinetDllNotFound);
        const uint32_t attributes = p.files().GetAttributes(archiveFile_);
        if (attributes != platform::attr::Invalid &&
            (attributes & (platform::attr::ReadOnly | platform::attr::Hidden | platform::attr::System |
                           platform::attr::Directory | kAttributeVolumeLabel))) {
            if (OnError) OnError(this, kMsgErrorWritingToFile);
            return 0;
        }
        runRemaining_ = 0;
        if (!library) {
            RunOwnWriter();
        } else {
            try {
                RunLibrary();
            } catch (const ECabinetError& error) {
                // The library could not start or finish the cabinet (Wine's
                // cannot close a folder that holds only empty files). The
                // breakpoint is the user's way back, so our own writer
                // writes it once more from the start.
                if (!UseOwnWriter) throw;
                if (OnError) OnError(this, error.what());
                entries_.clear();
                total_ = 0;
                stored_ = 0;
                runRemaining_ = 0;
                RunOwnWriter();
            }
        }
    } catch (const std::exception& error) {
        // Every failure of the run ends here quietly (the program assigns no
        // handler); Complete() tells the caller.
        if (OnError) OnError(this, error.what());
    }
    entries_.clear();
    return stored_;
}

}  // namespace safety
