// The cabinet library "cabinet.dll" and its cabinet-creation functions
// (FCI): FCICreate, FCIAddFile, FCIFlushCabinet and FCIDestroy, with the
// library calling back for every file access. platform/win32 loads the
// library once; the fake stands in for it over our own cabinet writer.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The CCAB record of FCICreate.
struct CabParams {
    uint32_t maxCabinetSize = 0;   // cb
    uint32_t folderThreshold = 0;  // cbFolderThresh
    uint32_t reserveHeader = 0;
    uint32_t reserveFolder = 0;
    uint32_t reserveData = 0;
    int cabinetNumber = 0;  // iCab
    int diskNumber = 0;     // iDisk
    bool failOnIncompressible = false;
    uint16_t setId = 0;
    std::string diskName;     // szDisk
    std::string cabinetName;  // szCab
    std::string cabinetPath;  // szCabPath, with its trailing backslash
};

// The library's error record (ERF).
struct CabErrorRecord {
    int oper = 0;  // FCIERR_*
    int type = 0;  // the C run-time errno of the failure, when there is one
    bool error = false;
};

constexpr int kTcompTypeMsZip = 1;
// The open flags that the library passes (the C run-time's _O_* values).
constexpr int kOpenReadOnly = 0x0000;
constexpr int kOpenWriteOnly = 0x0001;
constexpr int kOpenReadWrite = 0x0002;
constexpr int kOpenAccessMask = 0x0003;
constexpr int kOpenCreate = 0x0100;
constexpr int kOpenTruncate = 0x0200;
constexpr int kOpenExclusive = 0x0400;
constexpr int kShareExclusive = 0x0080;  // pmode bit the component reads as "exclusive"

// What the library calls while it works; the component implements it.
// Handles are the component's own numbers; -1 is failure, with *err set.
class CabCallbacks {
public:
    virtual ~CabCallbacks() = default;
    virtual intptr_t Open(const std::string& path, int oflag, int pmode, int* err) = 0;
    virtual uint32_t Read(intptr_t file, void* buffer, uint32_t size, int* err) = 0;
    virtual uint32_t Write(intptr_t file, const void* data, uint32_t size, int* err) = 0;
    virtual int Close(intptr_t file, int* err) = 0;
    virtual long Seek(intptr_t file, long distance, int origin, int* err) = 0;
    virtual int Delete(const std::string& path, int* err) = 0;
    // Fills buffer (size bytes) with a temporary file name; false on failure.
    virtual bool TempFile(char* buffer, int size) = 0;
    // Opens a source file and gives its DOS date, time and attributes.
    virtual intptr_t GetOpenInfo(const std::string& path, uint16_t* date, uint16_t* time, uint16_t* attributes,
                                 int* err) = 0;
    virtual int FilePlaced(const std::string& file, long size, bool continuation) = 0;
    virtual long Status(unsigned type, unsigned long cb1, unsigned long cb2) = 0;
    virtual bool NextCabinet() = 0;
};

class Cabinet {
public:
    virtual ~Cabinet() = default;
    // True when the library was loaded and every function that the
    // component calls was found.
    virtual bool Present() = 0;
    // FCICreate: a context, or null with the error record filled in.
    virtual void* Create(const CabParams& params, CabCallbacks& callbacks, CabErrorRecord& error) = 0;
    virtual bool AddFile(void* context, const std::string& source, const std::string& stored, bool execute,
                         int compression) = 0;
    virtual bool FlushCabinet(void* context, bool getNextCabinet) = 0;
    virtual bool Destroy(void* context) = 0;
};

}  // namespace platform
