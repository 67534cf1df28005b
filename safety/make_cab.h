// TMakeCab: writes one cabinet archive from a list of files. It drives the
// cabinet-creation functions of "cabinet.dll" where Windows has them and our
// own writer (cab_writer.h) where it does not, and gives both the same
// listing rules, progress and failure handling. CreateArchive never raises.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "safety/cab_writer.h"
#include "widgets/component.h"

namespace safety {

// "Cabinet error %d (type %d)": the library's error operation and type.
class ECabinetError : public std::runtime_error {
public:
    ECabinetError(int oper, int type);
    explicit ECabinetError(const std::string& message) : std::runtime_error(message) {}
    int Oper() const { return oper_; }
    int Type() const { return type_; }

private:
    int oper_ = 0;
    int type_ = 0;
};

extern const char* const kMsgCabinetDllNotFound;  // 25261
extern const char* const kMsgErrorWritingToFile;  // 25136

enum class TArcType { atCab };
enum class TCompressMethod { cmMsZip };
enum class TDeleteOptions { doAllowUndo, doNoUndo };
enum class TStoredDirNames { sdRelative };
enum class TDateAttribute { daFileDate };

// percent(a, b) of the progress: a x 100 / b to the nearest whole number,
// halves to even, within 0..100; 0 when b is 0.
uint8_t ProgressPercent(int64_t a, int64_t b);

class TMakeCab : public widgets::TComponent {
public:
    explicit TMakeCab(widgets::TComponent* owner);
    ~TMakeCab() override;
    const char* ClassName() const override { return "TMakeCab"; }

    const std::string& ArchiveFile() const { return archiveFile_; }
    // Forward slashes become backslashes.
    void SetArchiveFile(const std::string& path);
    // One source path or wildcard pattern a line.
    std::vector<std::string>& FileSpec() { return fileSpec_; }

    TArcType ArcType = TArcType::atCab;
    TCompressMethod CompressMethod = TCompressMethod::cmMsZip;
    TDeleteOptions DeleteOptions = TDeleteOptions::doAllowUndo;
    bool RecurseDirs = false;
    TStoredDirNames StoredDirNames = TStoredDirNames::sdRelative;
    bool TranslateOemChar = true;
    // Passed to the library as false: a library that honours it would
    // leave an already compressed file out of the backup without a word.
    bool FailOnIncompressible = false;
    std::string DefaultExt = ".cab";
    // Our own writer where "cabinet.dll" is missing or cannot write the
    // cabinet; off, such a machine gets "Cabinet.dll not found" and a
    // failed library run leaves no whole archive.
    bool UseOwnWriter = true;
    // How our own writer compresses (chosen from the cabinet benchmark).
    CabWriterOptions WriterOptions = DefaultWriterOptions();
    static CabWriterOptions DefaultWriterOptions();

    std::function<void(TMakeCab* sender, uint8_t progressByFile, uint8_t progressByArchive)> OnProgress;
    std::function<void(TMakeCab* sender, const std::string& message)> OnError;

    // Writes ArchiveFile from FileSpec; the number of files stored.
    int CreateArchive();
    // True when the last CreateArchive wrote its cabinet to the end (the
    // flush succeeded); what the caller checks before trusting the archive.
    bool Complete() const { return complete_; }
    // With undo: into the recycle bin, no question, no progress window.
    bool EraseFile(const std::string& path, bool allowUndo);

private:
    struct Entry {
        std::string stored;
        std::string source;
        uint64_t size = 0;
        bool done = false;
    };
    class Callbacks;
    friend class Callbacks;

    void List();
    void StartFile(const Entry& entry);
    void Read(uint32_t bytes);
    int RunLibrary();
    int RunOwnWriter();
    bool StoreWithOwnWriter(CabWriter& writer, const Entry& entry, const std::string& name);
    void WriteOwnCabinet(CabWriter& writer);

    std::string archiveFile_;
    std::vector<std::string> fileSpec_;
    std::vector<Entry> entries_;
    int64_t total_ = 0;
    int64_t runRemaining_ = 0;
    int64_t fileSize_ = 0;
    int64_t fileRemaining_ = 0;
    bool complete_ = false;
    int stored_ = 0;
};

}  // namespace safety
