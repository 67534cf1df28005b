#include "platform/win32/win32_cabinet.h"

#include <cstdlib>
#include <cstring>

// <fci.h> needs the Windows types first.
// clang-format off
#include "platform/win32/win32_api.h"
#include <fci.h>
// clang-format on

namespace platform::win32 {

namespace {

using CreateFn = decltype(&::FCICreate);
using AddFileFn = decltype(&::FCIAddFile);
using FlushCabinetFn = decltype(&::FCIFlushCabinet);
using FlushFolderFn = decltype(&::FCIFlushFolder);
using DestroyFn = decltype(&::FCIDestroy);

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

CabCallbacks& Cb(void* pv) { return *static_cast<CabCallbacks*>(pv); }

// The library's callbacks, each handing over to the component.
FNFCIALLOC(Alloc) { return std::malloc(cb); }
FNFCIFREE(Free) { std::free(memory); }
FNFCIOPEN(Open) { return Cb(pv).Open(pszFile, oflag, pmode, err); }
FNFCIREAD(Read) { return Cb(pv).Read(hf, memory, cb, err); }
FNFCIWRITE(Write) { return Cb(pv).Write(hf, memory, cb, err); }
FNFCICLOSE(Close) { return Cb(pv).Close(hf, err); }
FNFCISEEK(Seek) { return Cb(pv).Seek(hf, dist, seektype, err); }
FNFCIDELETE(Delete) { return Cb(pv).Delete(pszFile, err); }
FNFCIGETTEMPFILE(TempFile) { return Cb(pv).TempFile(pszTempName, cbTempName) ? TRUE : FALSE; }
FNFCIFILEPLACED(FilePlaced) { return Cb(pv).FilePlaced(pszFile, cbFile, fContinuation != FALSE); }
FNFCIGETOPENINFO(GetOpenInfo) { return Cb(pv).GetOpenInfo(pszName, pdate, ptime, pattribs, err); }
FNFCISTATUS(Status) { return Cb(pv).Status(typeStatus, cb1, cb2); }
FNFCIGETNEXTCABINET(NextCabinet) {
    (void)pccab;
    (void)cbPrevCab;
    return Cb(pv).NextCabinet() ? TRUE : FALSE;
}

void Copy(char* to, size_t size, const std::string& from) {
    std::strncpy(to, from.c_str(), size - 1);
    to[size - 1] = '\0';
}

}  // namespace

struct Win32Cabinet::Functions {
    CreateFn create = nullptr;
    AddFileFn addFile = nullptr;
    FlushCabinetFn flushCabinet = nullptr;
    FlushFolderFn flushFolder = nullptr;  // looked up, never called
    DestroyFn destroy = nullptr;
};

// One FCI context with the records the library keeps pointers to.
struct Win32Cabinet::Session {
    HFCI fci = nullptr;
    ERF erf{};
    CCAB ccab{};
    CabCallbacks* callbacks = nullptr;
    CabErrorRecord* error = nullptr;

    void Report() const {
        if (error) *error = {erf.erfOper, erf.erfType, erf.fError != FALSE};
    }
};

Win32Cabinet::Win32Cabinet() : functions_(new Functions) {
    const UINT before = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA("cabinet.dll");
    SetErrorMode(before);
    if (!module) return;
    library_ = module;
    functions_->create = Lookup<CreateFn>(module, "FCICreate");
    functions_->addFile = Lookup<AddFileFn>(module, "FCIAddFile");
    functions_->flushCabinet = Lookup<FlushCabinetFn>(module, "FCIFlushCabinet");
    functions_->flushFolder = Lookup<FlushFolderFn>(module, "FCIFlushFolder");
    functions_->destroy = Lookup<DestroyFn>(module, "FCIDestroy");
    // Only a library with every function that is called counts, so that a
    // missing entry is never called.
    present_ = functions_->create && functions_->addFile && functions_->flushCabinet && functions_->destroy;
}

Win32Cabinet::~Win32Cabinet() {
    if (library_) FreeLibrary(static_cast<HMODULE>(library_));
    delete functions_;
}

void* Win32Cabinet::Create(const CabParams& params, CabCallbacks& callbacks, CabErrorRecord& error) {
    error = CabErrorRecord{};
    if (!present_) return nullptr;
    auto* session = new Session;
    session->callbacks = &callbacks;
    session->error = &error;
    CCAB& c = session->ccab;
    c.cb = params.maxCabinetSize;
    c.cbFolderThresh = params.folderThreshold;
    c.cbReserveCFHeader = params.reserveHeader;
    c.cbReserveCFFolder = params.reserveFolder;
    c.cbReserveCFData = params.reserveData;
    c.iCab = params.cabinetNumber;
    c.iDisk = params.diskNumber;
    c.fFailOnIncompressible = params.failOnIncompressible ? TRUE : FALSE;
    c.setID = params.setId;
    Copy(c.szDisk, sizeof c.szDisk, params.diskName);
    Copy(c.szCab, sizeof c.szCab, params.cabinetName);
    Copy(c.szCabPath, sizeof c.szCabPath, params.cabinetPath);
    session->fci = functions_->create(&session->erf, FilePlaced, Alloc, Free, Open, Read, Write, Close, Seek, Delete,
                                      TempFile, &session->ccab, &callbacks);
    session->Report();
    if (!session->fci) {
        delete session;
        return nullptr;
    }
    return session;
}

bool Win32Cabinet::AddFile(void* context, const std::string& source, const std::string& stored, bool execute,
                           int compression) {
    auto* session = static_cast<Session*>(context);
    std::string src = source, name = stored;
    const BOOL ok = functions_->addFile(session->fci, &src[0], &name[0], execute ? TRUE : FALSE, NextCabinet, Status,
                                        GetOpenInfo, static_cast<TCOMP>(compression));
    session->Report();
    return ok != FALSE;
}

bool Win32Cabinet::FlushCabinet(void* context, bool getNextCabinet) {
    auto* session = static_cast<Session*>(context);
    const BOOL ok = functions_->flushCabinet(session->fci, getNextCabinet ? TRUE : FALSE, NextCabinet, Status);
    session->Report();
    return ok != FALSE;
}

bool Win32Cabinet::Destroy(void* context) {
    auto* session = static_cast<Session*>(context);
    const BOOL ok = functions_->destroy(session->fci);
    delete session;
    return ok != FALSE;
}

}  // namespace platform::win32
